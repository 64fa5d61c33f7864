// The address line: which addresses it shows and how, addresses from their bytes, and when the
// addresses are read again.
#include <gtest/gtest.h>

#include <memory>

#include "fakes/fake_address_source.h"
#include "probes/address_line.h"
#include "probes/host_addresses.h"

namespace kelvor {
namespace {

HostAddress V4(std::string text, bool up = true) { return {std::move(text), false, up, false, false}; }
HostAddress V6(std::string text, bool up = true) { return {std::move(text), true, up, false, false}; }

TEST(AddressLineText, IPv4InTheSystemsOrderThenGlobalIPv6AndNothingElse) {
    EXPECT_EQ(AddressLineText(std::vector<HostAddress>{V4("192.168.1.5")}), "IP address: 192.168.1.5");
    EXPECT_EQ(AddressLineText(std::nullopt), "IP address: unavailable");
    HostAddress loop4 = V4("127.0.0.1"), loop6 = V6("::1"), link6 = V6("fe80::1");
    loop4.loopback = loop6.loopback = link6.linkLocal = true;
    HostAddress link4 = V4("169.254.7.7");  // an IPv4 link-local address still reaches the computer
    link4.linkLocal = true;
    const std::vector<HostAddress> listed{loop4, V6("2001:db8::5"), V4("10.0.0.9"), link6, V4("172.16.0.3", false),
                                          loop6,  V6("2001:db8::6", false), link4, V4("192.168.1.5")};
    EXPECT_EQ(AddressLineText(listed), "IP addresses: 10.0.0.9, 169.254.7.7, 192.168.1.5, 2001:db8::5");
    // Only addresses that are left out: none.
    EXPECT_EQ(AddressLineText(std::vector<HostAddress>{loop4, loop6, link6, V4("10.1.1.1", false), V4("0.0.0.0"),
                                                       V6("::")}),
              "IP address: none");
}

TEST(AddressFromBytes, TextAndKindOfBothFamilies) {
    const struct {
        std::vector<uint8_t> bytes;
        const char* text;
        bool loopback, linkLocal;
    } cases[] = {
        {{192, 168, 1, 5}, "192.168.1.5", false, false},
        {{127, 0, 0, 1}, "127.0.0.1", true, false},
        {{169, 254, 0, 1}, "169.254.0.1", false, true},
        {{169, 253, 0, 1}, "169.253.0.1", false, false},
        // The shortest form: no leading zeros, the longest zero run as "::" (the first of equal ones),
        // a lone zero group written out.
        {{0x20, 0x01, 0x0d, 0xb8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}, "2001:db8::1", false, false},
        {{0x20, 0x01, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1}, "2001:0:0:1::1", false, false},
        {{0x20, 0x01, 0x0d, 0xb8, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1}, "2001:db8::1:0:0:1", false, false},
        {{0x20, 0x01, 0x0d, 0xb8, 0, 0, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1}, "2001:db8:0:1:1:1:1:1", false, false},
        {std::vector<uint8_t>(16), "::", false, false},
        {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}, "::1", true, false},
        {{0xfe, 0x80, 0, 0, 0, 0, 0, 0, 0x02, 0x11, 0x22, 0xff, 0xfe, 0x33, 0x44, 0x55}, "fe80::211:22ff:fe33:4455",
         false, true},
        {{0xfe, 0xbf, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}, "febf::1", false, true},
        {{0xfe, 0xc0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}, "fec0::1", false, false},
    };
    for (const auto& c : cases) {
        const HostAddress address = AddressFromBytes(c.bytes).value();
        EXPECT_EQ(address.text, c.text);
        EXPECT_EQ(address.ipv6, c.bytes.size() == 16) << c.text;
        EXPECT_EQ(address.loopback, c.loopback) << c.text;
        EXPECT_EQ(address.linkLocal, c.linkLocal) << c.text;
        EXPECT_FALSE(address.up) << c.text;
    }
    EXPECT_FALSE(AddressFromBytes(std::vector<uint8_t>(6)).has_value());
}

class AddressLineTest : public ::testing::Test {
protected:
    FakeAddresses source;
    AddressLine line{std::make_unique<FakeAddressSource>(source)};
};

TEST_F(AddressLineTest, ReadsAtTheFirstCallAndThenOnlyWhenTheSystemAnnouncesAChange) {
    source.addresses = std::vector<HostAddress>{V4("10.0.0.1")};
    // A change announced before the first read is that read's news, not a second one.
    source.news = AddressSource::News::Changed;
    EXPECT_EQ(line.Text(), "IP address: 10.0.0.1");
    source.addresses = std::vector<HostAddress>{V4("10.0.0.2")};
    for (int call = 0; call < 20; ++call) EXPECT_EQ(line.Text(), "IP address: 10.0.0.1");
    EXPECT_EQ(source.reads, 1);
    source.news = AddressSource::News::Changed;
    EXPECT_EQ(line.Text(), "IP address: 10.0.0.2");
    EXPECT_EQ(source.reads, 2);
}

TEST_F(AddressLineTest, WithoutNotificationsEveryFifthCallReads) {
    source.news = AddressSource::News::CannotTell;
    source.addresses = std::nullopt;
    EXPECT_EQ(line.Text(), "IP address: unavailable");
    // An address added now shows at the fifth call after the first read, not earlier.
    source.addresses = std::vector<HostAddress>{V4("10.0.0.3")};
    for (int call = 1; call < AddressLine::kCallsPerBlindRead; ++call) EXPECT_EQ(line.Text(), "IP address: unavailable");
    EXPECT_EQ(line.Text(), "IP address: 10.0.0.3");
    for (int call = 0; call < 4 * AddressLine::kCallsPerBlindRead; ++call) line.Text();
    EXPECT_EQ(source.reads, 6);
}

}  // namespace
}  // namespace kelvor
