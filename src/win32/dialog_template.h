#pragma once
// A dialog template built in memory (DLGTEMPLATE and its items), so that small dialogs need no
// resource script and live in the library with the code that runs them. Positions and sizes are in
// dialog units; the font is 8 points.

#include <windows.h>

#include <string>
#include <vector>

namespace kelvor::win32 {

class DialogTemplate {
public:
    DialogTemplate(const std::string& title, DWORD style, DWORD extendedStyle, short width, short height,
                   const std::string& font = "MS Shell Dlg");

    void AddStatic(int id, const std::string& text, short x, short y, short width, short height);
    void AddPasswordEdit(int id, short x, short y, short width, short height);
    void AddButton(int id, const std::string& text, bool isDefault, short x, short y, short width, short height);

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    // The predefined window classes, by their atoms.
    static constexpr WORD kButtonClass = 0x0080;
    static constexpr WORD kEditClass = 0x0081;
    static constexpr WORD kStaticClass = 0x0082;

    void AddItem(WORD windowClass, int id, const std::string& text, DWORD style, short x, short y, short width,
                 short height);
    void AddDword(DWORD value);
    void AddText(const std::string& text);
    void AlignToDword();

    std::vector<WORD> words_;
};

}  // namespace kelvor::win32
