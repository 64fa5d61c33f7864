#pragma once
// Addresses and change news as the test sets them, with the reads counted.

#include <optional>
#include <utility>
#include <vector>

#include "probes/address_source.h"

namespace kelvor {

// What a fake source holds; shared with the test, since the address line owns the source.
struct FakeAddresses {
    std::optional<std::vector<HostAddress>> addresses = std::vector<HostAddress>{};
    // The answer of the next news call; a change is told once, as the system's notification is.
    AddressSource::News news = AddressSource::News::Unchanged;
    int reads = 0;
};

class FakeAddressSource final : public AddressSource {
public:
    explicit FakeAddressSource(FakeAddresses& state) : state_(state) {}
    std::optional<std::vector<HostAddress>> Read() override {
        ++state_.reads;
        return state_.addresses;
    }
    News ChangedSinceLastCall() override {
        return state_.news == News::Changed ? std::exchange(state_.news, News::Unchanged) : state_.news;
    }

private:
    FakeAddresses& state_;
};

}  // namespace kelvor
