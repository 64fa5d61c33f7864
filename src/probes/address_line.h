#pragma once
// The address line kept current at little cost: the addresses are read at the first call and again
// only when the system announces a change, or every fifth call where it announces nothing.

#include <cstdint>
#include <memory>
#include <string>

#include "probes/address_source.h"

namespace kelvor {

class AddressLine {
public:
    explicit AddressLine(std::unique_ptr<AddressSource> source) : source_(std::move(source)) {}

    // Called once a second by the text rebuild; returns the line's text (AddressLineText).
    const std::string& Text();

    // Calls between two reads of a source that cannot tell whether its addresses changed.
    static constexpr int32_t kCallsPerBlindRead = 5;

private:
    std::unique_ptr<AddressSource> source_;
    std::string text_;
    bool read_ = false;
    int32_t callsSinceRead_ = 0;
};

}  // namespace kelvor
