#pragma once
// A /proc file whose text the test sets; it can be made unreadable, and counts its reads.

#include <string>

#include "probes/kernel_text.h"

namespace kelvor {

class FakeKernelText final : public KernelText {
public:
    bool Read(std::string& into) override {
        ++reads;
        if (!readable) return false;
        into = text;
        return true;
    }

    std::string text;
    bool readable = true;
    int reads = 0;
};

}  // namespace kelvor
