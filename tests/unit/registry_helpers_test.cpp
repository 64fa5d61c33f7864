#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/run_time_error.h"
#include "fakes/fake_registry.h"
#include "settings/registry_helpers.h"

namespace kelvor {
namespace {

constexpr RegistryRoot kRoot = RegistryRoot::CurrentUser;
const std::string kKey = "Software\\Test\\Values";

class RegistryHelpers : public ::testing::Test {
protected:
    // Every path through the helpers must close the key it opened.
    void TearDown() override { EXPECT_EQ(registry.OpenHandleCount(), 0u); }

    void SetRaw(const std::string& name, uint32_t type, std::vector<uint8_t> data) {
        registry.SetRaw(kRoot, kKey, name, type, std::move(data));
    }
    bool ReadString(const std::string& name, std::string& out) { return ReadRegString(registry, kRoot, kKey, name, out); }
    bool ReadNumber(const std::string& name, int32_t& out) { return ReadRegNumber(registry, kRoot, kKey, name, out); }

    FakeRegistry registry;
};

TEST_F(RegistryHelpers, MissingKeyOrValueFailsWithoutCreatingAnything) {
    std::string text = "previous";
    int32_t number = 77;
    EXPECT_FALSE(ReadString("Name", text));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(ReadNumber("Name", number));
    EXPECT_EQ(number, 77);
    EXPECT_FALSE(registry.KeyExists(kRoot, kKey));

    registry.SetNumber(kRoot, kKey, "Other", 1);
    text = "previous";
    EXPECT_FALSE(ReadString("Name", text));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(ReadNumber("Name", number));
    EXPECT_EQ(number, 77);
}

TEST_F(RegistryHelpers, StringsAreStoredWithoutTerminatorAndReadEitherWay) {
    ASSERT_TRUE(WriteRegString(registry, kRoot, kKey, "Text", "abc"));
    EXPECT_EQ(registry.GetRaw(kRoot, kKey, "Text"), (FakeRegistry::RawValue{kRegSz, {'a', 'b', 'c'}}));
    std::string text;
    EXPECT_TRUE(ReadString("text", text));  // value names ignore case
    EXPECT_EQ(text, "abc");

    SetRaw("Terminated", kRegSz, {'a', 'b', 'c', 0});
    EXPECT_TRUE(ReadString("Terminated", text));
    EXPECT_EQ(text, "abc");
    // Only one trailing zero byte is dropped.
    SetRaw("Doubled", kRegSz, {'a', 'b', 'c', 0, 0});
    EXPECT_TRUE(ReadString("Doubled", text));
    EXPECT_EQ(text, std::string("abc\0", 4));

    ASSERT_TRUE(WriteRegString(registry, kRoot, kKey, "Empty", ""));
    EXPECT_EQ(registry.GetRaw(kRoot, kKey, "Empty"), (FakeRegistry::RawValue{kRegSz, {0}}));
    text = "previous";
    EXPECT_TRUE(ReadString("Empty", text));
    EXPECT_EQ(text, "");
}

TEST_F(RegistryHelpers, DataBeyondTheBufferCannotBeRead) {
    SetRaw("Fits", kRegSz, std::vector<uint8_t>(1024, 'x'));
    std::string text;
    EXPECT_TRUE(ReadString("Fits", text));
    EXPECT_EQ(text, std::string(1024, 'x'));

    // Too long even though dropping its terminator would leave 1024 bytes.
    std::vector<uint8_t> tooLong(1025, 'y');
    tooLong.back() = 0;
    SetRaw("TooLong", kRegSz, tooLong);
    EXPECT_FALSE(ReadString("TooLong", text));
    EXPECT_EQ(text, "");

    SetRaw("WideNumber", kRegDword, std::vector<uint8_t>(1025, 0));
    int32_t number = 5;
    EXPECT_FALSE(ReadNumber("WideNumber", number));
    EXPECT_EQ(number, 5);
}

TEST_F(RegistryHelpers, NumbersAreSignedLittleEndian) {
    ASSERT_TRUE(WriteRegNumber(registry, kRoot, kKey, "Minus", -1));
    EXPECT_EQ(registry.GetRaw(kRoot, kKey, "Minus"), (FakeRegistry::RawValue{kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}}));
    int32_t number = 0;
    EXPECT_TRUE(ReadNumber("Minus", number));
    EXPECT_EQ(number, -1);

    // Zero high bytes survive the dropping of one trailing zero byte.
    for (const int32_t stored : {0, 256, 16777215, INT32_MIN}) {
        ASSERT_TRUE(WriteRegNumber(registry, kRoot, kKey, "Value", stored));
        EXPECT_TRUE(ReadNumber("Value", number));
        EXPECT_EQ(number, stored);
        std::string text;
        EXPECT_TRUE(ReadString("Value", text));
        EXPECT_EQ(text, std::to_string(stored));
    }

    // Short data is zero-extended; wider data must still fit 32 bits.
    SetRaw("Short", kRegDword, {0xFF, 0xFF});
    EXPECT_TRUE(ReadNumber("Short", number));
    EXPECT_EQ(number, 65535);
    SetRaw("Padded", kRegDword, {0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0});
    EXPECT_TRUE(ReadNumber("Padded", number));
    EXPECT_EQ(number, -2);
    SetRaw("Wide", kRegDword, {0, 0, 0, 0, 1});
    try {
        ReadNumber("Wide", number);
        ADD_FAILURE() << "no overflow raised";
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.Number(), kErrOverflow);
    }
    std::string text;
    EXPECT_TRUE(ReadString("Wide", text));
    EXPECT_EQ(text, "&h0100000000");
}

TEST_F(RegistryHelpers, EachReaderTakesOnlyItsTypes) {
    registry.SetString(kRoot, kKey, "Digits", "10");
    int32_t number = 3;
    EXPECT_FALSE(ReadNumber("Digits", number));
    EXPECT_EQ(number, 3);

    SetRaw("Binary", kRegBinary, {1, 2, 3});
    std::string text = "previous";
    EXPECT_TRUE(ReadString("Binary", text));
    EXPECT_EQ(text, "previous");
    EXPECT_FALSE(ReadNumber("Binary", number));
    EXPECT_EQ(number, 3);
}

TEST_F(RegistryHelpers, ValueWithoutDataBytes) {
    SetRaw("NoText", kRegSz, {});
    std::string text = "previous";
    EXPECT_TRUE(ReadString("NoText", text));
    EXPECT_EQ(text, "");

    SetRaw("NoNumber", kRegDword, {});
    int32_t number = 9;
    EXPECT_FALSE(ReadNumber("NoNumber", number));
    EXPECT_EQ(number, 9);
    text = "previous";
    EXPECT_TRUE(ReadString("NoNumber", text));
    EXPECT_EQ(text, "");
}

TEST_F(RegistryHelpers, WritersCreateMissingKeysAndReportRefusals) {
    ASSERT_TRUE(WriteRegNumber(registry, kRoot, "A\\B\\C", "N", 4));
    EXPECT_TRUE(registry.KeyExists(kRoot, "a\\b"));
    EXPECT_EQ(registry.GetNumber(kRoot, "A\\b\\c", "n"), 4);

    registry.SetReadOnly(kRoot, true);
    EXPECT_FALSE(WriteRegString(registry, kRoot, kKey, "Text", "abc"));
    EXPECT_FALSE(WriteRegNumber(registry, kRoot, kKey, "N", 1));
    EXPECT_FALSE(registry.KeyExists(kRoot, kKey));

    registry.SetReadOnly(kRoot, false);
    registry.FailSetValue("Text");
    EXPECT_FALSE(WriteRegString(registry, kRoot, kKey, "Text", "abc"));
    EXPECT_FALSE(registry.GetRaw(kRoot, kKey, "Text").has_value());
}

}  // namespace
}  // namespace kelvor
