#include "module/frame_rate.h"

#include <algorithm>
#include <cstdio>

namespace kelvor {

bool FrameRate::Frame(double seconds, double processorSeconds) {
    if (!started_) {
        started_ = true;
        since_ = seconds;
        processorSince_ = processorSeconds;
        return false;
    }
    ++frames_;
    const double elapsed = seconds - since_;
    if (elapsed < kPeriodSeconds) return false;
    const double load = std::max(0.0, 100.0 * (processorSeconds - processorSince_) / elapsed);
    char text[64];
    std::snprintf(text, sizeof text, "FPS: %.1f\rLoad: %.1f%%", frames_ / elapsed, load);
    text_ = text;
    since_ = seconds;
    processorSince_ = processorSeconds;
    frames_ = 0;
    return true;
}

}  // namespace kelvor
