#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "fakes/fake_registry.h"
#include "fakes/fake_salt_source.h"
#include "password/password_store.h"

namespace kelvor {
namespace {

// Few rounds keep the tests fast; the round count itself is a parameter of the store.
constexpr uint32_t kTestRounds = 20;

class PasswordStoreTest : public ::testing::Test {
protected:
    std::optional<std::string> StoredText() const {
        return registry.GetString(kPasswordRoot, kPasswordSubkey, kPasswordValueName);
    }
    void StoreText(const std::string& text) {
        registry.SetString(kPasswordRoot, kPasswordSubkey, kPasswordValueName, text);
    }

    FakeRegistry registry;
    FakeSaltSource salts;
    PasswordStore store{registry, salts, kTestRounds};
};

std::string HexOf(const std::string& text, bool upper) {
    static constexpr char kLower[] = "0123456789abcdef";
    static constexpr char kUpper[] = "0123456789ABCDEF";
    const char* const digits = upper ? kUpper : kLower;
    std::string hex;
    for (const unsigned char c : text) {
        hex += digits[c >> 4];
        hex += digits[c & 0x0F];
    }
    return hex;
}

TEST_F(PasswordStoreTest, SetPasswordVerifiesAndOthersAreRefused) {
    EXPECT_EQ(store.State(), StoredPassword::None);
    ASSERT_EQ(store.Change("", "letmein", "letmein"), PasswordChange::Changed);
    EXPECT_EQ(store.State(), StoredPassword::Set);
    EXPECT_TRUE(store.Verify("letmein"));
    EXPECT_FALSE(store.Verify("letmeIn"));
    EXPECT_FALSE(store.Verify("letmein "));
    EXPECT_FALSE(store.Verify(""));

    // The value is the record in the current user's own key, and nothing was left open.
    const std::optional<std::string> stored = StoredText();
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->rfind("pbkdf2-sha256$20$", 0), 0u) << *stored;
    EXPECT_EQ(kPasswordSubkey, "Software\\Kelvor Screen Saver\\Password");
    EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

TEST_F(PasswordStoreTest, StoredValueNeverHoldsThePassword) {
    const std::string password = "abcdef0123";  // also valid hex digits, so it could hide among them
    ASSERT_EQ(store.Change("", password, password), PasswordChange::Changed);
    const std::string stored = *StoredText();
    std::string folded = stored;
    for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const std::string& form : {password, HexOf(password, false), HexOf(password, true)}) {
        std::string foldedForm = form;
        for (char& c : foldedForm) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(folded.find(foldedForm), std::string::npos) << form;
    }
}

TEST_F(PasswordStoreTest, EachStoreGetsItsOwnSalt) {
    ASSERT_EQ(store.Change("", "same", "same"), PasswordChange::Changed);
    const std::string first = *StoredText();
    ASSERT_EQ(store.Change("same", "same", "same"), PasswordChange::Changed);
    const std::string second = *StoredText();
    EXPECT_EQ(salts.Calls(), 2u);
    EXPECT_NE(first, second);
    // Salt and hash both differ, not just the salt field.
    EXPECT_NE(first.substr(first.rfind('$')), second.substr(second.rfind('$')));
    EXPECT_TRUE(store.Verify("same"));
}

TEST_F(PasswordStoreTest, NoStoredPasswordMeansTheEmptyOne) {
    EXPECT_TRUE(store.Verify(""));
    EXPECT_FALSE(store.Verify("anything"));
    EXPECT_FALSE(registry.KeyExists(kPasswordRoot, kPasswordSubkey));  // checking created nothing

    StoreText("");
    EXPECT_EQ(store.State(), StoredPassword::None);
    EXPECT_TRUE(store.Verify(""));
    registry.SetRaw(kPasswordRoot, kPasswordSubkey, kPasswordValueName, kRegSz, {0});
    EXPECT_TRUE(store.Verify(""));

    // Setting the empty password removes the password.
    ASSERT_EQ(store.Change("", "secret", "secret"), PasswordChange::Changed);
    ASSERT_EQ(store.Change("secret", "", ""), PasswordChange::Changed);
    EXPECT_EQ(store.State(), StoredPassword::None);
    EXPECT_TRUE(store.Verify(""));
    EXPECT_FALSE(store.Verify("secret"));
}

TEST_F(PasswordStoreTest, UnreadableValueRefusesEveryPasswordUntilReplaced) {
    ASSERT_EQ(store.Change("", "secret", "secret"), PasswordChange::Changed);
    const std::string good = *StoredText();

    const auto expectUnreadable = [&](const char* what) {
        EXPECT_EQ(store.State(), StoredPassword::Unreadable) << what;
        EXPECT_FALSE(store.Verify("")) << what;
        EXPECT_FALSE(store.Verify("secret")) << what;
    };
    StoreText(good.substr(0, good.size() - 1));
    expectUnreadable("truncated");
    StoreText("pbkdf3-sha256" + good.substr(13));
    expectUnreadable("later scheme");
    registry.SetNumber(kPasswordRoot, kPasswordSubkey, kPasswordValueName, 1);
    expectUnreadable("number value");
    registry.SetRaw(kPasswordRoot, kPasswordSubkey, kPasswordValueName, kRegBinary,
                    std::vector<uint8_t>(good.begin(), good.end()));
    expectUnreadable("binary value");
    registry.SetRaw(kPasswordRoot, kPasswordSubkey, kPasswordValueName, kRegBinary, {});
    expectUnreadable("empty binary value");
    StoreText(good + std::string(2000, ' '));
    expectUnreadable("too long to read");

    // The change dialog can replace it without the old password.
    EXPECT_EQ(store.Change("", "fresh", "fresh"), PasswordChange::Changed);
    EXPECT_TRUE(store.Verify("fresh"));
    EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

TEST_F(PasswordStoreTest, ChangeNeedsTheOldPasswordAndTheNewOneTwice) {
    ASSERT_EQ(store.Change("ignored when none is set", "first", "first"), PasswordChange::Changed);
    const std::string first = *StoredText();

    EXPECT_EQ(store.Change("wrong", "second", "second"), PasswordChange::WrongOldPassword);
    EXPECT_EQ(store.Change("", "second", "second"), PasswordChange::WrongOldPassword);
    EXPECT_EQ(store.Change("first", "second", "Second"), PasswordChange::Mismatch);
    EXPECT_EQ(store.Change("first", "second", ""), PasswordChange::Mismatch);
    EXPECT_EQ(*StoredText(), first);  // refused changes wrote nothing
    EXPECT_EQ(salts.Calls(), 1u);

    EXPECT_EQ(store.Change("first", "second", "second"), PasswordChange::Changed);
    EXPECT_FALSE(store.Verify("first"));
    EXPECT_TRUE(store.Verify("second"));
}

TEST_F(PasswordStoreTest, FailuresToSaveAreReportedAndKeepTheOldPassword) {
    ASSERT_EQ(store.Change("", "first", "first"), PasswordChange::Changed);
    registry.FailSetValue(kPasswordValueName);
    EXPECT_EQ(store.Change("first", "second", "second"), PasswordChange::NotSaved);
    EXPECT_TRUE(store.Verify("first"));

    FakeRegistry emptyRegistry;
    PasswordStore shortSalts(emptyRegistry, salts, kTestRounds);
    salts.AnswerShortBy(1);
    EXPECT_EQ(shortSalts.Change("", "first", "first"), PasswordChange::NotSaved);
    EXPECT_FALSE(emptyRegistry.GetRaw(kPasswordRoot, kPasswordSubkey, kPasswordValueName));
    EXPECT_EQ(shortSalts.State(), StoredPassword::None);
}

TEST_F(PasswordStoreTest, CorrectPasswordRenewsARecordOfFewerRounds) {
    PasswordStore older(registry, salts, 5);
    ASSERT_EQ(older.Change("", "secret", "secret"), PasswordChange::Changed);
    const std::string weak = *StoredText();
    EXPECT_EQ(weak.rfind("pbkdf2-sha256$5$", 0), 0u);

    EXPECT_FALSE(store.Verify("wrong"));
    EXPECT_EQ(*StoredText(), weak);
    EXPECT_TRUE(store.Verify("secret"));
    const std::string renewed = *StoredText();
    EXPECT_EQ(renewed.rfind("pbkdf2-sha256$20$", 0), 0u);
    EXPECT_TRUE(store.Verify("secret"));
    // A record of more rounds than the store's is left as it is.
    EXPECT_TRUE(older.Verify("secret"));
    EXPECT_EQ(*StoredText(), renewed);
}

}  // namespace
}  // namespace kelvor
