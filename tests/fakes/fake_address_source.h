#pragma once
// Addresses and change news as the test sets them, with the calls counted.

#include <deque>
#include <optional>
#include <vector>

#include "probes/address_source.h"

namespace kelvor {

// What a fake source holds; shared with the test, since the address line owns the source.
struct FakeAddresses {
    std::optional<std::vector<HostAddress>> addresses = std::vector<HostAddress>{};
    // The answers of the next news calls; when they run out, `lastingNews`.
    std::deque<AddressSource::News> news;
    AddressSource::News lastingNews = AddressSource::News::Unchanged;
    int reads = 0;
    int newsCalls = 0;
};

class FakeAddressSource final : public AddressSource {
public:
    explicit FakeAddressSource(FakeAddresses& state) : state_(state) {}
    std::optional<std::vector<HostAddress>> Read() override {
        ++state_.reads;
        return state_.addresses;
    }
    News ChangedSinceLastCall() override {
        ++state_.newsCalls;
        if (state_.news.empty()) return state_.lastingNews;
        const News next = state_.news.front();
        state_.news.pop_front();
        return next;
    }

private:
    FakeAddresses& state_;
};

}  // namespace kelvor
