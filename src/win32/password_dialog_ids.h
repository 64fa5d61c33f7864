#pragma once
// The controls of the program's own password dialogs, for the dialogs and for tests that drive them.

namespace kelvor::win32 {

inline constexpr int kPasswordLabelId = 100;
inline constexpr int kPasswordEditId = 101;
inline constexpr int kOldPasswordEditId = 102;
inline constexpr int kNewPasswordEditId = 103;
inline constexpr int kConfirmPasswordEditId = 104;
inline constexpr int kOldPasswordLabelId = 105;
inline constexpr int kNewPasswordLabelId = 106;
inline constexpr int kConfirmPasswordLabelId = 107;
inline constexpr int kChangeNoteId = 108;

// The longest password the edit boxes take.
inline constexpr int kMaxPasswordLength = 127;

}  // namespace kelvor::win32
