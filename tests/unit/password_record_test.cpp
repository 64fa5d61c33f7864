#include <gtest/gtest.h>

#include <string>

#include "password/password_record.h"

namespace kelvor {
namespace {

const std::string kSaltHex = "000102030405060708090a0b0c0d0e0f";
const std::string kHashHex = "ffeeddccbbaa99887766554433221100ffeeddccbbaa99887766554433221100";

std::string Record(const std::string& iterations, const std::string& salt = kSaltHex,
                   const std::string& hash = kHashHex) {
    return "pbkdf2-sha256$" + iterations + "$" + salt + "$" + hash;
}

TEST(PasswordRecord, FormatsAndParsesBack) {
    const std::optional<PasswordRecord> parsed = ParsePasswordRecord(Record("10000"));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->iterations, 10000u);
    ASSERT_EQ(parsed->salt.size(), 16u);
    EXPECT_EQ(parsed->salt[0], 0x00);
    EXPECT_EQ(parsed->salt[15], 0x0f);
    EXPECT_EQ(parsed->hash[0], 0xff);
    EXPECT_EQ(parsed->hash[31], 0x00);
    EXPECT_EQ(FormatPasswordRecord(*parsed), Record("10000"));

    // The limits themselves are allowed.
    EXPECT_TRUE(ParsePasswordRecord(Record("1")));
    EXPECT_TRUE(ParsePasswordRecord(Record("1000000")));
    EXPECT_TRUE(ParsePasswordRecord(Record("5", std::string(16, 'a'))));
    EXPECT_TRUE(ParsePasswordRecord(Record("5", std::string(128, 'b'))));
}

TEST(PasswordRecord, RefusesEverythingElse) {
    const std::string refused[] = {
        "",
        "$$$",
        "pbkdf2-sha256",
        Record("10000") + "$",
        Record("10000") + "$00",
        Record("10000") + " ",
        "PBKDF2-SHA256$10000$" + kSaltHex + "$" + kHashHex,
        "pbkdf2-sha512$10000$" + kSaltHex + "$" + kHashHex,
        "pbkdf2-sha256$10000$" + kSaltHex,
        Record(""),
        Record("0"),
        Record("010000"),
        Record("+10000"),
        Record("-1"),
        Record("1e4"),
        Record("1000001"),
        Record("99999999999999999999999"),
        Record("10000", ""),
        Record("10000", std::string(14, 'a')),   // 7 bytes: too short a salt
        Record("10000", std::string(130, 'a')),  // 65 bytes: too long
        Record("10000", kSaltHex + "0"),         // odd number of digits
        Record("10000", "000102030405060708090A0B0C0D0E0F"),
        Record("10000", "0001020304050607 8090a0b0c0d0e0f"),
        Record("10000", kSaltHex, kHashHex + "00"),
        Record("10000", kSaltHex, kHashHex.substr(2)),
        Record("10000", kSaltHex, "gg" + kHashHex.substr(2)),
        std::string("pbkdf2-sha256$10000$") + kSaltHex + "$" + kHashHex.substr(0, 10) + '\0' + kHashHex.substr(11),
    };
    for (const std::string& text : refused) EXPECT_FALSE(ParsePasswordRecord(text)) << text;
}

}  // namespace
}  // namespace kelvor
