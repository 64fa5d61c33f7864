#include "probes/network_marks.h"

namespace kelvor {

namespace {

// "/" and "\" by turns while the total grows, "|" while it does not; a total that goes down only
// becomes the new reference.
const char* Mark(int64_t total, int64_t last, bool& turn) {
    if (total <= last) return "|";
    turn = !turn;
    return turn ? "/" : "\\";
}

}  // namespace

std::string NetworkMarks::Line(int64_t received, int64_t sent) {
    std::string line = std::string("Network activity: rx: ") + Mark(received, lastReceived_, receiveTurn_) +
                       "  tx: " + Mark(sent, lastSent_, sendTurn_);
    lastReceived_ = received;
    lastSent_ = sent;
    return line;
}

}  // namespace kelvor
