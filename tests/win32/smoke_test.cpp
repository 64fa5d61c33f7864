#include <windows.h>
#include <gtest/gtest.h>

#include "win32/loaded_module.h"

namespace kelvor::win32 {
namespace {

TEST(LoadedModule, FindsExportedFunctionsAndToleratesMissingOnes) {
    const LoadedModule kernel("kernel32.dll");
    ASSERT_TRUE(kernel.Loaded());
    using GetTickCountFunction = DWORD WINAPI();
    EXPECT_NE(kernel.Find<GetTickCountFunction>("GetTickCount"), nullptr);
    EXPECT_EQ(kernel.Find<GetTickCountFunction>("NoSuchFunctionAnywhere"), nullptr);

    const LoadedModule missing("no-such-library-kelvor.dll");
    EXPECT_FALSE(missing.Loaded());
    EXPECT_EQ(missing.Find<GetTickCountFunction>("GetTickCount"), nullptr);
}

}  // namespace
}  // namespace kelvor::win32
