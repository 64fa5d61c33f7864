#pragma once
// The network line from the byte totals of all interfaces: for each direction a turning mark while
// its total grows from one call to the next, a bar while it does not. Any platform's totals will do.

#include <cstdint>
#include <string>

namespace kelvor {

class NetworkMarks {
public:
    // "Network activity: rx: /  tx: |". The first call compares with totals of 0.
    std::string Line(int64_t received, int64_t sent);

private:
    int64_t lastReceived_ = 0;
    int64_t lastSent_ = 0;
    bool receiveTurn_ = false;
    bool sendTurn_ = false;
};

}  // namespace kelvor
