#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/registry_helpers.h"
#include "win32/win_locale.h"
#include "win32/win_registry.h"

namespace kelvor::win32 {
namespace {

// Deletes a key and everything below it (RegDeleteKeyA removes only keys without subkeys on NT).
void DeleteTree(HKEY parent, const std::string& subkey) {
    HKEY key = nullptr;
    if (RegOpenKeyA(parent, subkey.c_str(), &key) != ERROR_SUCCESS) return;
    std::vector<std::string> children;
    std::vector<char> name(256);
    for (DWORD index = 0; RegEnumKeyA(key, index, name.data(), static_cast<DWORD>(name.size())) == ERROR_SUCCESS;
         ++index)
        children.emplace_back(name.data());
    for (const std::string& child : children) DeleteTree(key, child);
    RegCloseKey(key);
    RegDeleteKeyA(parent, subkey.c_str());
}

struct RawValue {
    LONG status = ERROR_SUCCESS;
    DWORD type = REG_NONE;
    std::vector<uint8_t> data;
};

// Each test gets its own key under HKEY_CURRENT_USER, removed afterwards.
class RealRegistry : public ::testing::Test {
protected:
    void SetUp() override { DeleteTree(HKEY_CURRENT_USER, base); }
    void TearDown() override {
        DeleteTree(HKEY_CURRENT_USER, base);
        HKEY left = nullptr;
        EXPECT_NE(RegOpenKeyA(HKEY_CURRENT_USER, base.c_str(), &left), ERROR_SUCCESS);
    }

    // Stores a value directly, bypassing the helpers, the way another tool would. The non-zero byte
    // after the data keeps RegSetValueExA from adding a terminator of its own.
    void SetDirect(const std::string& name, DWORD type, std::vector<uint8_t> data) {
        const auto size = static_cast<DWORD>(data.size());
        data.push_back(0xFF);
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, base.c_str(), &key), ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExA(key, name.c_str(), 0, type, data.data(), size), ERROR_SUCCESS);
        RegCloseKey(key);
    }

    RawValue GetDirect(const std::string& name) {
        RawValue value;
        HKEY key = nullptr;
        value.status = RegOpenKeyA(HKEY_CURRENT_USER, base.c_str(), &key);
        if (value.status != ERROR_SUCCESS) return value;
        value.data.resize(4096);
        DWORD size = static_cast<DWORD>(value.data.size());
        value.status = RegQueryValueExA(key, name.c_str(), nullptr, &value.type, value.data.data(), &size);
        value.data.resize(value.status == ERROR_SUCCESS ? size : 0);
        RegCloseKey(key);
        return value;
    }

    bool ReadString(const std::string& name, std::string& out) {
        return ReadRegString(registry, kRoot, base, name, out);
    }
    bool ReadNumber(const std::string& name, int32_t& out) { return ReadRegNumber(registry, kRoot, base, name, out); }

    static constexpr RegistryRoot kRoot = RegistryRoot::CurrentUser;
    const std::string base = "Software\\KelvorTest" + std::to_string(GetCurrentProcessId());
    WinRegistry registry;
};

TEST_F(RealRegistry, ReadBufferHoldsExactly1024Bytes) {
    SetDirect("Fits", REG_SZ, std::vector<uint8_t>(1024, 'x'));
    SetDirect("TooLong", REG_SZ, std::vector<uint8_t>(1025, 'y'));
    std::vector<uint8_t> terminated(1025, 'z');
    terminated.back() = 0;
    SetDirect("TooLongWithTerminator", REG_SZ, terminated);

    std::string text;
    EXPECT_TRUE(ReadString("Fits", text));
    EXPECT_EQ(text, std::string(1024, 'x'));
    EXPECT_FALSE(ReadString("TooLong", text));
    EXPECT_EQ(text, "");
    text = "previous";
    EXPECT_FALSE(ReadString("TooLongWithTerminator", text));
    EXPECT_EQ(text, "");

    // The writer must not let the platform add a terminator that pushes the text past the buffer.
    const std::string longest(1024, 'w');
    ASSERT_TRUE(WriteRegString(registry, kRoot, base, "Longest", longest));
    EXPECT_EQ(GetDirect("Longest").data.size(), 1024u);
    EXPECT_TRUE(ReadString("Longest", text));
    EXPECT_EQ(text, longest);
}

TEST_F(RealRegistry, StringsAreStoredWithoutTerminator) {
    ASSERT_TRUE(WriteRegString(registry, kRoot, base, "Text", "abc"));
    const RawValue stored = GetDirect("Text");
    EXPECT_EQ(stored.status, ERROR_SUCCESS);
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(stored.data, (std::vector<uint8_t>{'a', 'b', 'c'}));
    std::string text;
    EXPECT_TRUE(ReadString("Text", text));
    EXPECT_EQ(text, "abc");

    SetDirect("Terminated", REG_SZ, {'a', 'b', 'c', 0});
    EXPECT_TRUE(ReadString("Terminated", text));
    EXPECT_EQ(text, "abc");

    ASSERT_TRUE(WriteRegString(registry, kRoot, base, "Empty", ""));
    EXPECT_EQ(GetDirect("Empty").data, (std::vector<uint8_t>{0}));
    text = "previous";
    EXPECT_TRUE(ReadString("Empty", text));
    EXPECT_EQ(text, "");
}

TEST_F(RealRegistry, NumbersAreFourLittleEndianBytes) {
    ASSERT_TRUE(WriteRegNumber(registry, kRoot, base, "Minus", -1));
    const RawValue stored = GetDirect("Minus");
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(stored.data, (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF}));
    int32_t number = 0;
    EXPECT_TRUE(ReadNumber("Minus", number));
    EXPECT_EQ(number, -1);

    ASSERT_TRUE(WriteRegNumber(registry, kRoot, base, "White", 16777215));
    std::string text;
    EXPECT_TRUE(ReadString("White", text));
    EXPECT_EQ(text, "16777215");

    SetDirect("Digits", REG_SZ, {'1', '0'});
    number = 3;
    EXPECT_FALSE(ReadNumber("Digits", number));
    EXPECT_EQ(number, 3);
}

TEST_F(RealRegistry, WritersCreateMissingParentsAndReadersDoNot) {
    std::string text = "previous";
    EXPECT_FALSE(ReadString("Missing", text));
    EXPECT_EQ(text, "");
    EXPECT_EQ(GetDirect("Missing").status, ERROR_FILE_NOT_FOUND);  // the key itself was not created

    ASSERT_TRUE(WriteRegNumber(registry, kRoot, base + "\\A\\B", "N", 5));
    int32_t number = 0;
    EXPECT_TRUE(ReadRegNumber(registry, kRoot, base + "\\a\\b", "n", number));
    EXPECT_EQ(number, 5);
}

TEST_F(RealRegistry, ValueWithoutDataBytes) {
    SetDirect("NoText", REG_SZ, {});
    SetDirect("NoNumber", REG_DWORD, {});
    std::string text = "previous";
    EXPECT_TRUE(ReadString("NoText", text));
    EXPECT_EQ(text, "");
    int32_t number = 9;
    EXPECT_FALSE(ReadNumber("NoNumber", number));
    EXPECT_EQ(number, 9);
}

TEST(RealLocale, GivesSeparatorAndMonthNames) {
    WinLocale locale;
    EXPECT_FALSE(locale.ThousandsSeparator().empty());
    char expected[80] = {};
    ASSERT_GT(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SABBREVMONTHNAME12, expected, sizeof expected), 0);
    EXPECT_EQ(locale.MonthAbbreviation(12), expected);
    EXPECT_FALSE(locale.MonthAbbreviation(1).empty());
    EXPECT_EQ(locale.MonthAbbreviation(13), "");
}

}  // namespace
}  // namespace kelvor::win32
