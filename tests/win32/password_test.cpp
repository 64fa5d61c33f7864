#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <functional>
#include <vector>

#include "password/password_store.h"
#include "password/password_texts.h"
#include "password/password_forms.h"
#include "win32/win_password_services.h"
#include "win32/win_salt_source.h"
#include "win32/win_registry.h"

namespace kelvor::win32 {
namespace {

const std::string kProgramKey = std::string("Software\\") + kApplicationTitle;

bool KeyExists(const std::string& subkey) {
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_CURRENT_USER, subkey.c_str(), &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

struct RawValue {
    int32_t status = kErrorFileNotFound;
    uint32_t type = kRegNone;
    std::vector<uint8_t> data;
};

RawValue ReadStoredValue(Registry& registry) {
    RawValue value;
    RegistryKeyHandle handle = 0;
    value.status = registry.OpenKey(kPasswordRoot, kPasswordSubkey, handle);
    if (value.status != kErrorSuccess) return value;
    const OpenRegistryKey key(registry, handle);
    value.data.resize(4096);
    uint32_t size = static_cast<uint32_t>(value.data.size());
    value.status = registry.QueryValue(key.Handle(), kPasswordValueName, value.type, value.data, size);
    value.data.resize(value.status == kErrorSuccess ? size : 0);
    return value;
}

// These tests use the program's real password key. Whatever was there before is put back afterwards,
// and keys the tests created are removed.
class RealPasswordKey : public ::testing::Test {
protected:
    void SetUp() override {
        programKeyExisted_ = KeyExists(kProgramKey);
        saved_ = ReadStoredValue(registry);
        RegDeleteKeyA(HKEY_CURRENT_USER, kPasswordSubkey.c_str());
    }

    void TearDown() override {
        RegDeleteKeyA(HKEY_CURRENT_USER, kPasswordSubkey.c_str());
        if (saved_.status == kErrorSuccess) {
            RegistryKeyHandle handle = 0;
            ASSERT_EQ(registry.CreateKey(kPasswordRoot, kPasswordSubkey, handle), kErrorSuccess);
            const OpenRegistryKey key(registry, handle);
            registry.SetValue(key.Handle(), kPasswordValueName, saved_.type, saved_.data);
        } else if (!programKeyExisted_) {
            RegDeleteKeyA(HKEY_CURRENT_USER, kProgramKey.c_str());
        }
        EXPECT_EQ(KeyExists(kPasswordSubkey), saved_.status == kErrorSuccess);
    }

    WinRegistry registry;
    WinSaltSource salts;
    PasswordStore store{registry, salts};

private:
    bool programKeyExisted_ = false;
    RawValue saved_;
};

// A Win32 thread running one function; the product's runtime has no std::thread.
class DriverThread {
public:
    explicit DriverThread(std::function<void()> body)
        : body_(std::move(body)), handle_(CreateThread(nullptr, 0, &DriverThread::Run, this, 0, nullptr)) {}
    DriverThread(const DriverThread&) = delete;
    DriverThread& operator=(const DriverThread&) = delete;
    ~DriverThread() { Join(); }
    void Join() {
        if (handle_ == nullptr) return;
        WaitForSingleObject(handle_, INFINITE);
        CloseHandle(handle_);
        handle_ = nullptr;
    }

private:
    static DWORD WINAPI Run(void* self) {
        static_cast<DriverThread*>(self)->body_();
        return 0;
    }
    std::function<void()> body_;
    HANDLE handle_;
};

// Finding and pressing the dialogs from a second thread while the test's thread runs them. GoogleTest
// assertions are not made on that thread: it records what it saw for the test to check afterwards.

// A visible dialog with that caption; `withPasswordBoxes` tells the password dialogs from the
// message boxes they show, which share the caption.
HWND FindDialog(const char* title, bool withPasswordBoxes) {
    for (HWND window = FindWindowExA(nullptr, nullptr, "#32770", title); window != nullptr;
         window = FindWindowExA(nullptr, window, "#32770", title)) {
        const bool hasBoxes =
            GetDlgItem(window, kPasswordEditId) != nullptr || GetDlgItem(window, kNewPasswordEditId) != nullptr;
        if (IsWindowVisible(window) && hasBoxes == withPasswordBoxes) return window;
    }
    return nullptr;
}

HWND WaitForDialog(const char* title, bool withPasswordBoxes, int milliseconds = 10000) {
    for (int waited = 0; waited < milliseconds; waited += 20) {
        if (const HWND window = FindDialog(title, withPasswordBoxes)) return window;
        Sleep(20);
    }
    return nullptr;
}

bool WaitUntilGone(HWND window) {
    for (int waited = 0; waited < 10000; waited += 20) {
        if (!IsWindow(window)) return true;
        Sleep(20);
    }
    return false;
}

void Press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string TextOf(HWND dialog, int id) {
    char text[256] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

struct PromptSeen {
    bool found = false;
    bool topmost = false;
    bool hidesText = false;
    std::string label;
};

// Types `password` into the prompt and presses `button`.
PromptSeen AnswerPrompt(const std::string& password, int button) {
    PromptSeen seen;
    const HWND prompt = WaitForDialog(kApplicationTitle, true);
    if (prompt == nullptr) return seen;
    seen.found = true;
    seen.topmost = (GetWindowLongA(prompt, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    seen.hidesText = (GetWindowLongA(GetDlgItem(prompt, kPasswordEditId), GWL_STYLE) & ES_PASSWORD) != 0;
    seen.label = TextOf(prompt, kPasswordLabelId);
    SetDlgItemTextA(prompt, kPasswordEditId, password.c_str());
    Press(prompt, button);
    WaitUntilGone(prompt);
    return seen;
}

TEST(PasswordServicesOnWine, FactoryChoosesTheProgramsOwnServices) {
    // Wine has no password.cpl, though its mpr exports the change service.
    EXPECT_EQ(Win9xPasswordServices::Load(), nullptr);
    const LoadedModule mpr("mpr.dll");
    EXPECT_NE(mpr.Find(api::PwdChangePassword), nullptr);

    WinRegistry registry;
    const std::unique_ptr<PasswordServices> services = CreatePasswordServices(registry);
    ASSERT_NE(services, nullptr);
    EXPECT_NE(dynamic_cast<OwnPasswordServices*>(services.get()), nullptr);
}

TEST(WinSaltSourceOnWine, GivesFreshBytesOfTheAskedSize) {
    WinSaltSource salts;
    const std::vector<uint8_t> first = salts.RandomBytes(16);
    const std::vector<uint8_t> second = salts.RandomBytes(16);
    ASSERT_EQ(first.size(), 16u);
    ASSERT_EQ(second.size(), 16u);
    EXPECT_NE(first, second);
    EXPECT_NE(first, std::vector<uint8_t>(16, 0));
    EXPECT_EQ(salts.RandomBytes(100).size(), 100u);
}

TEST_F(RealPasswordKey, StoredThroughTheRealRegistryAndReadBack) {
    ASSERT_EQ(store.Change("", "Sesame 42", "Sesame 42"), PasswordChange::Changed);
    const RawValue stored = ReadStoredValue(registry);
    ASSERT_EQ(stored.status, kErrorSuccess);
    EXPECT_EQ(stored.type, kRegSz);
    const std::string text(stored.data.begin(), stored.data.end());
    EXPECT_EQ(text.rfind("pbkdf2-sha256$10000$", 0), 0u) << text;
    EXPECT_EQ(text.find("Sesame"), std::string::npos);

    EXPECT_TRUE(store.Verify("Sesame 42"));
    EXPECT_FALSE(store.Verify("sesame 42"));
    EXPECT_FALSE(store.Verify(""));

    // A second store of the same password draws a new salt.
    ASSERT_EQ(store.Change("Sesame 42", "Sesame 42", "Sesame 42"), PasswordChange::Changed);
    const RawValue again = ReadStoredValue(registry);
    EXPECT_NE(std::string(again.data.begin(), again.data.end()), text);
    EXPECT_TRUE(store.Verify("Sesame 42"));
}

TEST_F(RealPasswordKey, WithoutAPasswordTheCheckPassesWithoutPrompt) {
    const std::unique_ptr<PasswordServices> services = CreatePasswordServices(registry);
    // Should a prompt appear after all, cancel it so that the test fails instead of hanging.
    PromptSeen seen;
    DriverThread driver([&] {
        if (const HWND prompt = WaitForDialog(kApplicationTitle, true, 500)) {
            seen.found = true;
            Press(prompt, IDCANCEL);
        }
    });
    const bool passed = services->VerifyScreenSavePassword(0);
    driver.Join();
    EXPECT_TRUE(passed);
    EXPECT_FALSE(seen.found);
}

TEST_F(RealPasswordKey, PromptAcceptsOnlyTheRightPassword) {
    ASSERT_EQ(store.Change("", "open up", "open up"), PasswordChange::Changed);
    const std::unique_ptr<PasswordServices> services = CreatePasswordServices(registry);

    // A topmost window in the place of the running saver owns the prompt.
    const HWND saver = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "KelvorSS", WS_POPUP | WS_VISIBLE, 0, 0, 320, 240,
                                       nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(saver, nullptr);
    const auto ask = [&](const std::string& typed, int button, PromptSeen& seen) {
        DriverThread driver([&] { seen = AnswerPrompt(typed, button); });
        const bool result = services->VerifyScreenSavePassword(reinterpret_cast<intptr_t>(saver));
        driver.Join();
        return result;
    };

    PromptSeen right, wrong, cancelled;
    EXPECT_TRUE(ask("open up", IDOK, right));
    EXPECT_FALSE(ask("open sesame", IDOK, wrong));
    EXPECT_FALSE(ask("open up", IDCANCEL, cancelled));
    EXPECT_TRUE(right.found && wrong.found && cancelled.found);
    EXPECT_TRUE(right.topmost);
    EXPECT_TRUE(right.hidesText);
    EXPECT_EQ(right.label, "Type your screen saver password:");
    EXPECT_TRUE(IsWindowEnabled(saver));  // the owner takes input again once the prompt is gone
    DestroyWindow(saver);

    // A damaged record: the prompt says so and refuses even the former password.
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, kPasswordSubkey.c_str(), &key), ERROR_SUCCESS);
    RegSetValueExA(key, kPasswordValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>("pbkdf2-sha256$"), 15);
    RegCloseKey(key);
    PromptSeen damaged;
    DriverThread driver([&] { damaged = AnswerPrompt("open up", IDOK); });
    EXPECT_FALSE(services->VerifyScreenSavePassword(0));
    driver.Join();
    EXPECT_TRUE(damaged.found);
    EXPECT_NE(damaged.label.find("cannot be read"), std::string::npos) << damaged.label;
}

struct ChangeSeen {
    bool dialog = false;
    bool oldBoxEnabled = false;
    bool messageShown = false;
    std::string oldAfterMessage = "?";
    std::string newAfterMessage = "?";
    std::string confirmAfterMessage = "?";
};

// Fills the change dialog and presses OK. When `expectMessage`, waits for the message box, closes it,
// records what the boxes then hold and cancels the dialog.
ChangeSeen AnswerChange(const std::string& oldPassword, const std::string& newPassword,
                        const std::string& confirmation, bool expectMessage) {
    ChangeSeen seen;
    const HWND dialog = WaitForDialog(kPasswordChangeTitle, true);
    if (dialog == nullptr) return seen;
    seen.dialog = true;
    seen.oldBoxEnabled = IsWindowEnabled(GetDlgItem(dialog, kOldPasswordEditId)) != FALSE;
    SetDlgItemTextA(dialog, kOldPasswordEditId, oldPassword.c_str());
    SetDlgItemTextA(dialog, kNewPasswordEditId, newPassword.c_str());
    SetDlgItemTextA(dialog, kConfirmPasswordEditId, confirmation.c_str());
    Press(dialog, IDOK);
    if (expectMessage) {
        if (const HWND message = WaitForDialog(kPasswordChangeTitle, false)) {
            seen.messageShown = true;
            Press(message, IDOK);
            WaitUntilGone(message);
        }
        seen.oldAfterMessage = TextOf(dialog, kOldPasswordEditId);
        seen.newAfterMessage = TextOf(dialog, kNewPasswordEditId);
        seen.confirmAfterMessage = TextOf(dialog, kConfirmPasswordEditId);
        Press(dialog, IDCANCEL);
    }
    WaitUntilGone(dialog);
    return seen;
}

TEST_F(RealPasswordKey, ChangeDialogSetsAndChangesThePassword) {
    const std::unique_ptr<PasswordServices> services = CreatePasswordServices(registry);
    const auto change = [&](const std::string& oldPassword, const std::string& newPassword,
                            const std::string& confirmation, bool expectMessage) {
        ChangeSeen seen;
        DriverThread driver([&] { seen = AnswerChange(oldPassword, newPassword, confirmation, expectMessage); });
        services->ChangePassword(0);
        driver.Join();
        return seen;
    };

    // No password yet: the old one is not asked for.
    const ChangeSeen first = change("", "first", "first", false);
    EXPECT_TRUE(first.dialog);
    EXPECT_FALSE(first.oldBoxEnabled);
    EXPECT_TRUE(store.Verify("first"));

    const ChangeSeen wrongOld = change("frist", "second", "second", true);
    EXPECT_TRUE(wrongOld.oldBoxEnabled);
    EXPECT_TRUE(wrongOld.messageShown);
    EXPECT_EQ(wrongOld.oldAfterMessage, "");
    EXPECT_EQ(wrongOld.newAfterMessage, "second");

    const ChangeSeen mismatch = change("first", "second", "secnod", true);
    EXPECT_TRUE(mismatch.messageShown);
    EXPECT_EQ(mismatch.oldAfterMessage, "first");
    EXPECT_EQ(mismatch.newAfterMessage, "");
    EXPECT_EQ(mismatch.confirmAfterMessage, "");
    EXPECT_TRUE(store.Verify("first"));  // neither refused change stored anything

    const ChangeSeen second = change("first", "second", "second", false);
    EXPECT_TRUE(second.dialog);
    EXPECT_TRUE(store.Verify("second"));
    EXPECT_FALSE(store.Verify("first"));
}

}  // namespace
}  // namespace kelvor::win32
