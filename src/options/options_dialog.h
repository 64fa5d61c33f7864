#pragma once
// The options dialog's behaviour: loading the settings into the controls and placing the dialog,
// the font and colour choosers with their sample, the animation panels, the slider and the
// description box, OK and Cancel with the all-users default saver, and the About tab with its links.
// The window layer calls one method per event; everything it shows goes through OptionsView.

#include <cstdint>
#include <string>

#include "common/windows_family.h"
#include "options/options_platform.h"
#include "options/options_view.h"
#include "settings/registry.h"
#include "settings/saver_settings.h"

namespace kelvor {

inline constexpr char kDisplayPropertiesTitle[] = "Display Properties";
inline constexpr char kFontDialogTitle[] = "Specify Display Font...";
inline constexpr char kColourDialogTitle[] = "Specify Background Colour...";
inline constexpr uint32_t kFontDialogFlags = kCfScreenFonts | kCfForceFontExist | kCfEffects | kCfNoScriptSel;
inline constexpr uint32_t kColourDialogFlags = kCcRgbInit;

// Mouse button and Shift/Ctrl/Alt state of a press, as the window layer reports it.
inline constexpr int kLeftButton = 1;
inline constexpr int kShiftKey = 1;
inline constexpr int kCtrlKey = 2;
inline constexpr int kAltKey = 4;

class OptionsDialog {
public:
    OptionsDialog(OptionsView& view, OptionsPlatform& platform, Registry& registry, SaverSettings& settings,
                  WindowsFamily family, std::string commandLine);

    // Fills the controls from the settings and places the dialog. A failing step ends the loading
    // with the critical-error message and asks the dialog to close; the result is then false.
    bool Load();
    // Runs once when the window has gone: gives input back to the "Display Properties" window.
    void Unload();
    // Each time the dialog becomes the active window.
    void Activate();

    // A click on a control: a button, a check box, a link or the About tab's picture (a left press,
    // with `shift` the Shift/Ctrl/Alt state). Clicks on other controls change nothing.
    void ControlClicked(int id, int shift);

    void OkClicked();
    // Cancel, Esc and the close box: nothing is kept.
    void CancelClicked();

    void SetFontClicked();
    void SetBgColourClicked();
    void ShowSampleFont();

    void MovementSelected();
    void SliderChanged();
    void DisplayBoxClicked(int index);

    void WebsiteClicked();
    void EmailClicked();
    void MouseOverLink();
    void MouseOverSurface();
    // A mouse press on the About tab's picture.
    void ImageMouseDown(int button, int shift);
    void ExecuteLink(const std::string& url);

    void CentreOverWindow(WindowId window);

    WindowId ParentWindow() const { return parentWindow_; }
    bool WasDefaultSaver() const { return wasDefaultSaver_; }
    const std::string& PrevDefaultSaver() const { return prevDefaultSaver_; }
    const std::string& MailSubject() const { return mailSubject_; }
    bool ShowsCommandLine() const { return showCommandLine_; }
    const FontDescription& FontChooser() const { return fontChooser_; }
    int32_t BgColourChooser() const { return bgColourChooser_; }

private:
    void LoadSteps();
    void PlaceDialog();
    void ApplyControls();
    // True when the default saver needed no change or every write for it succeeded.
    bool ApplyDefaultSaver();
    void TellNotSaved(bool settingsSaved, bool defaultSaverWritten);

    OptionsView& view_;
    OptionsPlatform& platform_;
    Registry& registry_;
    SaverSettings& settings_;
    const WindowsFamily family_;
    const std::string commandLine_;

    WindowId parentWindow_ = 0;
    bool wasDefaultSaver_ = false;
    std::string prevDefaultSaver_;
    std::string mailSubject_;
    bool showCommandLine_ = false;
    bool unloaded_ = false;
    // The pending choice between openings of the choosers.
    FontDescription fontChooser_;
    int32_t bgColourChooser_ = 0;
};

}  // namespace kelvor
