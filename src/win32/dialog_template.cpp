#include "win32/dialog_template.h"

namespace kelvor::win32 {
namespace {

// Where the item count sits in DLGTEMPLATE: after the style and the extended style.
constexpr size_t kItemCountWord = 4;

}  // namespace

DialogTemplate::DialogTemplate(const std::string& title, DWORD style, DWORD extendedStyle, short width,
                               short height, const std::string& font) {
    AddDword(style | DS_SETFONT);
    AddDword(extendedStyle);
    words_.push_back(0);  // item count, raised by each item
    words_.push_back(0);  // x and y: DS_CENTER or the owner places the dialog
    words_.push_back(0);
    words_.push_back(static_cast<WORD>(width));
    words_.push_back(static_cast<WORD>(height));
    words_.push_back(0);  // no menu
    words_.push_back(0);  // the standard dialog class
    AddText(title);
    words_.push_back(8);
    AddText(font);
}

void DialogTemplate::AddDword(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
}

void DialogTemplate::AddText(const std::string& text) {
    // Templates hold their texts in UTF-16, also for the ANSI dialog calls.
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    words_.insert(words_.end(), wide.begin(), wide.end());
    words_.push_back(0);
}

void DialogTemplate::AlignToDword() {
    if (words_.size() % 2 != 0) words_.push_back(0);
}

void DialogTemplate::AddItem(WORD windowClass, int id, const std::string& text, DWORD style, short x, short y,
                             short width, short height) {
    AlignToDword();
    AddDword(style | WS_CHILD | WS_VISIBLE);
    AddDword(0);
    words_.push_back(static_cast<WORD>(x));
    words_.push_back(static_cast<WORD>(y));
    words_.push_back(static_cast<WORD>(width));
    words_.push_back(static_cast<WORD>(height));
    words_.push_back(static_cast<WORD>(id));
    words_.push_back(0xFFFF);
    words_.push_back(windowClass);
    AddText(text);
    words_.push_back(0);  // no creation data
    ++words_[kItemCountWord];
}

void DialogTemplate::AddStatic(int id, const std::string& text, short x, short y, short width, short height) {
    AddItem(kStaticClass, id, text, SS_LEFT, x, y, width, height);
}

void DialogTemplate::AddPasswordEdit(int id, short x, short y, short width, short height) {
    AddItem(kEditClass, id, "", ES_PASSWORD | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, x, y, width, height);
}

void DialogTemplate::AddButton(int id, const std::string& text, bool isDefault, short x, short y, short width,
                               short height) {
    AddItem(kButtonClass, id, text, (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP, x, y, width, height);
}

}  // namespace kelvor::win32
