#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "password/hmac_sha256.h"
#include "password/password_hash.h"
#include "password/pbkdf2.h"
#include "password/salt_source.h"
#include "password/sha256.h"

namespace kelvor {
namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

template <typename Container>
std::string Hex(const Container& bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (const uint8_t byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

std::string Sha256Hex(const std::string& message) { return Hex(Sha256Of(Bytes(message))); }

// FIPS 180-4 examples, plus lengths around the padding boundaries (55 bytes is the longest message
// whose length still fits in its last block, 56 the shortest that needs another).
TEST(Sha256, MatchesPublishedDigests) {
    EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(Sha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(Sha256Hex("abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnopqrs"
                        "mnopqrstnopqrstu"),
              "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1");
    EXPECT_EQ(Sha256Hex(std::string(55, 'a')), "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318");
    EXPECT_EQ(Sha256Hex(std::string(56, 'a')), "b35439a4ac6f0948b6d6f9e3c6af0f5f590ce20f1bde7090ef7970686ec6738a");
    EXPECT_EQ(Sha256Hex(std::string(63, 'a')), "7d3e74a05d7db15bce4ad9ec0658ea98e3f06eeecf16b4c6fff2da457ddc2f34");
    EXPECT_EQ(Sha256Hex(std::string(64, 'a')), "ffe054fe7ae0cb6dc65c3af9b61d5209f439851db43d0ba5997337df154668eb");
    EXPECT_EQ(Sha256Hex(std::string(120, 'a')), "2f3d335432c70b580af0e8e1b3674a7c020d683aa5f73aaaedfdc55af904c21c");
}

TEST(Sha256, PiecewiseUpdatesGiveTheSameDigest) {
    // One million 'a' in uneven pieces, so that pieces straddle block ends in every way.
    Sha256 context;
    const std::vector<uint8_t> piece(997, 'a');
    size_t given = 0;
    for (size_t size = 1; given < 1'000'000; size = size % 130 + 1) {
        const size_t taken = std::min(size * 7 % piece.size() + 1, 1'000'000 - given);
        context.Update(std::span(piece).first(taken));
        given += taken;
    }
    EXPECT_EQ(Hex(context.Finish()), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

// RFC 4231 test cases 1, 2, 6 and 7 (keys shorter and longer than a block), and a key of exactly
// one block, which is used as it is.
TEST(HmacSha256, MatchesPublishedMacs) {
    EXPECT_EQ(Hex(HmacSha256(std::vector<uint8_t>(20, 0x0b)).Mac(Bytes("Hi There"))),
              "b0344c61d8db38535ca8afceaf0bf12b881dc200c9833da726e9376c2e32cff7");
    EXPECT_EQ(Hex(HmacSha256(Bytes("Jefe")).Mac(Bytes("what do ya want for nothing?"))),
              "5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843");
    const HmacSha256 longKey(std::vector<uint8_t>(131, 0xaa));
    EXPECT_EQ(Hex(longKey.Mac(Bytes("Test Using Larger Than Block-Size Key - Hash Key First"))),
              "60e431591ee0b67f0d8a26aacbf5b77f8e0bc6213728c5140546040f0ee37f54");
    // The same keyed object serves a second message unchanged.
    EXPECT_EQ(Hex(longKey.Mac(Bytes("This is a test using a larger than block-size key and a larger than block-size "
                                    "data. The key needs to be hashed before being used by the HMAC algorithm."))),
              "9b09ffa71b942fcb27635fbcd5b0e944bfdc63644f0713938a7f51535c3a35e2");
    EXPECT_EQ(Hex(HmacSha256(std::vector<uint8_t>(64, 0xaa)).Mac(Bytes("x"))),
              "ce3c639dcb9d8baae5d44c3b8b5e233faab4d1860e07489af5c84f213998bd79");
}

// The PBKDF2-HMAC-SHA256 vectors of RFC 7914 section 11 and the widely used set modelled on
// RFC 6070: several blocks, a partial last block, zero bytes inside password and salt.
TEST(Pbkdf2HmacSha256, MatchesPublishedKeys) {
    const auto derive = [](const std::string& password, const std::string& salt, uint32_t iterations,
                           size_t length) {
        return Hex(Pbkdf2HmacSha256(Bytes(password), Bytes(salt), iterations, length));
    };
    EXPECT_EQ(derive("password", "salt", 1, 32), "120fb6cffcf8b32c43e7225256c4f837a86548c92ccc35480805987cb70be17b");
    EXPECT_EQ(derive("password", "salt", 2, 32), "ae4d0c95af6b46d32d0adff928f06dd02a303f8ef3c251dfd6e2d85a95474c43");
    EXPECT_EQ(derive("password", "salt", 4096, 32), "c5e478d59288c841aa530db6845c4c8d962893a001ce4e11a4963873aa98134a");
    EXPECT_EQ(derive("passwordPASSWORDpassword", "saltSALTsaltSALTsaltSALTsaltSALTsalt", 4096, 40),
              "348c89dbcbd32b2f32d814b8116e84cf2b17347ebc1800181c4e2a1fb8dd53e1c635518c7dac47e9");
    EXPECT_EQ(derive(std::string("pass\0word", 9), std::string("sa\0lt", 5), 4096, 16),
              "89b69d0516f829893c696226650a8687");
    EXPECT_EQ(derive("passwd", "salt", 1, 64),
              "55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc49ca9cccf179b645991664b39d77ef317c71b845b1e30bd509112041d3a19783");
    EXPECT_EQ(derive("password", "salt", 0, 32), derive("password", "salt", 1, 32));
}

TEST(PasswordHash, ComparesInConstantTimeAndChecksEveryByte) {
    const std::vector<uint8_t> base(32, 7);
    EXPECT_TRUE(ConstantTimeEqual(base, base));
    for (const size_t position : {size_t{0}, size_t{15}, size_t{31}}) {
        std::vector<uint8_t> changed = base;
        changed[position] ^= 0x80;
        EXPECT_FALSE(ConstantTimeEqual(base, changed)) << position;
    }
    EXPECT_FALSE(ConstantTimeEqual(base, std::vector<uint8_t>(31, 7)));
    EXPECT_TRUE(ConstantTimeEqual({}, {}));
}

TEST(PasswordHash, RecordVerifiesOnlyItsOwnPassword) {
    const std::vector<uint8_t> salt(16, 0x5a);
    const PasswordRecord record = HashPassword("Tr0ub4dor&3", salt, 50);
    EXPECT_EQ(record.iterations, 50u);
    EXPECT_EQ(record.salt, salt);
    EXPECT_EQ(Hex(record.hash), Hex(Pbkdf2HmacSha256(Bytes("Tr0ub4dor&3"), salt, 50, 32)));
    EXPECT_TRUE(PasswordMatches("Tr0ub4dor&3", record));
    EXPECT_FALSE(PasswordMatches("tr0ub4dor&3", record));
    EXPECT_FALSE(PasswordMatches("Tr0ub4dor&", record));
    EXPECT_FALSE(PasswordMatches("", record));

    PasswordRecord otherRounds = record;
    otherRounds.iterations = 51;
    EXPECT_FALSE(PasswordMatches("Tr0ub4dor&3", otherRounds));
    PasswordRecord otherSalt = record;
    otherSalt.salt[3] ^= 1;
    EXPECT_FALSE(PasswordMatches("Tr0ub4dor&3", otherSalt));
}

TEST(SaltSource, ExpandedSeedHasTheSizeAskedForAndFollowsTheSeed) {
    const std::vector<uint8_t> seed{1, 2, 3, 4};
    const std::vector<uint8_t> bytes = ExpandSeed(seed, 70);
    ASSERT_EQ(bytes.size(), 70u);
    EXPECT_EQ(ExpandSeed(seed, 16), std::vector<uint8_t>(bytes.begin(), bytes.begin() + 16));
    // The second block differs from the first: the counter takes part.
    EXPECT_NE(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 32),
              std::vector<uint8_t>(bytes.begin() + 32, bytes.begin() + 64));
    EXPECT_NE(ExpandSeed(std::vector<uint8_t>{1, 2, 3, 5}, 16), ExpandSeed(seed, 16));
    EXPECT_TRUE(ExpandSeed(seed, 0).empty());
}

}  // namespace
}  // namespace kelvor
