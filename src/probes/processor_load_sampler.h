#pragma once
// What the display asks of the processor-load sampler. Destroying the sampler releases it
// (on the 9x family that stops the kernel statistic).

#include <string>

namespace kelvor {

class ProcessorLoadSampler {
public:
    virtual ~ProcessorLoadSampler() = default;
    // The finished processor-load text; never raises.
    virtual std::string LoadText() = 0;
};

}  // namespace kelvor
