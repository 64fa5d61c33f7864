#pragma once
// What -fps shows, as xscreensaver's display modules show it in a corner: the frames drawn a second
// and the share of one processor that the module used for them, over about the last second.

#include <cstdint>
#include <string>

namespace kelvor {

class FrameRate {
public:
    // Counts one frame that ended at `seconds` on a steady clock, when the process had used
    // `processorSeconds` of processor time in all. True when the text changed: about once a second.
    bool Frame(double seconds, double processorSeconds);

    // Two lines joined with a lone carriage return, as the block's: "FPS: 10.0" and "Load: 0.4%".
    const std::string& Text() const { return text_; }

private:
    // How long a reading lasts before the next one is made.
    static constexpr double kPeriodSeconds = 1.0;

    bool started_ = false;
    double since_ = 0.0;
    double processorSince_ = 0.0;
    int32_t frames_ = 0;
    std::string text_ = "FPS: ...";
};

}  // namespace kelvor
