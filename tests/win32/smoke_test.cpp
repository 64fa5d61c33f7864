#include <windows.h>
#include <gtest/gtest.h>

#include "win32/loaded_module.h"

namespace kelvor::win32 {
namespace {

template <typename Function>
bool Exported(const LateBoundApi<Function>& api) {
    return LoadedModule(api.library).Find(api) != nullptr;
}

TEST(LateBoundApis, EveryNameOfTheListIsExportedWhereWineHasTheLibrary) {
    // A misspelt name would silently read as "this Windows lacks it".
    EXPECT_TRUE(Exported(api::GlobalMemoryStatusEx));
    EXPECT_TRUE(Exported(api::GetNativeSystemInfo));
    EXPECT_TRUE(Exported(api::EnumDisplayDevices));
    EXPECT_TRUE(Exported(api::EnumDisplaySettingsEx));
    EXPECT_TRUE(Exported(api::MonitorFromPoint));
    EXPECT_TRUE(Exported(api::GetMonitorInfo));
    EXPECT_TRUE(Exported(api::InitCommonControls));
    EXPECT_TRUE(Exported(api::InitCommonControlsEx));
    EXPECT_TRUE(Exported(api::ChooseFont));
    EXPECT_TRUE(Exported(api::ChooseColor));
    EXPECT_TRUE(Exported(api::ShellExecute));
    EXPECT_TRUE(Exported(api::GetIfTable));
    EXPECT_TRUE(Exported(api::RtlGenRandom));
    EXPECT_TRUE(Exported(api::CryptAcquireContext));
    EXPECT_TRUE(Exported(api::CryptGenRandom));
    EXPECT_TRUE(Exported(api::CryptReleaseContext));
    EXPECT_TRUE(Exported(api::PwdChangePassword));
    EXPECT_TRUE(Exported(api::NtQuerySystemInformation));
    // Wine has no password.cpl: there the library itself is missing and nothing is found.
    EXPECT_FALSE(LoadedModule(api::VerifyScreenSavePwd.library).Loaded());
    EXPECT_FALSE(Exported(api::VerifyScreenSavePwd));
    // Nor is a name found in a library that does not export it.
    EXPECT_EQ(LoadedModule("user32.dll").Find(api::GlobalMemoryStatusEx), nullptr);
}

}  // namespace
}  // namespace kelvor::win32
