// The About tab: what each activation recomputes, the two links, the hover pointer and the hidden
// click on the picture.
#include "options/about_texts.h"
#include "common/continue_on_error.h"
#include "options/options_dialog.h"

namespace kelvor {
namespace {

// Links follow their lead-in text on the same line with this gap, whatever the text's length.
constexpr double kLinkGap = 60;

}  // namespace

void OptionsDialog::Activate() {
    view_.SetLabelCaption(kIdEEgg, "");
    mailSubject_ = std::string(kApplicationTitle) + " " + std::to_string(kVersionMajor) + "." +
                   std::to_string(kVersionMinor) + " rev " + std::to_string(kVersionRevision);
    view_.SetLabelCaption(kIdVisit, std::string("visit the ") + kApplicationTitle);
    view_.SetLabelLeft(kIdWebsite,
                       view_.LabelLeft(kIdVisit) + view_.LabelWidth(kIdVisit) + kLinkGap);
    view_.SetLabelLeft(kIdEmail, view_.LabelLeft(kIdCopyright) +
                                                view_.LabelWidth(kIdCopyright) + kLinkGap);
}

void OptionsDialog::WebsiteClicked() { ExecuteLink(kWebsiteAddress); }

void OptionsDialog::EmailClicked() {
    // The subject goes as it is: the shell and the mail program cope with its blanks.
    ExecuteLink(std::string("mailto:") + kAuthorEmail + "?subject=" + mailSubject_);
}

void OptionsDialog::MouseOverLink() { view_.SetPointer(MousePointer::Hand); }

void OptionsDialog::MouseOverSurface() { view_.SetPointer(MousePointer::Default); }

void OptionsDialog::ImageMouseDown(int button, int shift) {
    if (button != kLeftButton || shift != (kShiftKey | kCtrlKey | kAltKey)) return;
    showCommandLine_ = !showCommandLine_;
    if (showCommandLine_)
        view_.SetLabelCaption(kIdEEgg, commandLine_);
    else
        Activate();
}

void OptionsDialog::ExecuteLink(const std::string& url) {
    ContinueOnError([&] { platform_.SetWaitPointer(true); });
    intptr_t result = 0;
    int32_t lastError = 0;
    ContinueOnError([&] {
        result = platform_.ShellOpen(url);
        lastError = platform_.LastError();
    });
    if (result == 0) {
        ContinueOnError([&] { platform_.SetWaitPointer(false); });
        view_.ShowMessage("error Opening Link to " + url + "\r\n\r\n" + std::to_string(lastError), "ExecuteLink",
                          MessageIcon::None);
    }
    ContinueOnError([&] { platform_.SetWaitPointer(false); });
}

}  // namespace kelvor
