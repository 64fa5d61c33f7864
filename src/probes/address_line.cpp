#include "probes/address_line.h"

namespace kelvor {

const std::string& AddressLine::Text() {
    // Asked on every call, so that a change announced before the first read is not reported again.
    const AddressSource::News news = source_->ChangedSinceLastCall();
    ++callsSinceRead_;
    const bool due = !read_ || news == AddressSource::News::Changed ||
                     (news == AddressSource::News::CannotTell && callsSinceRead_ >= kCallsPerBlindRead);
    if (due) {
        text_ = AddressLineText(source_->Read());
        read_ = true;
        callsSinceRead_ = 0;
    }
    return text_;
}

}  // namespace kelvor
