#pragma once
// The computer's name, read once at start-up for the information display.

#include <string>

namespace kelvor {

// The platform's computer-name query (GetComputerNameA).
class ComputerNameSource {
public:
    virtual ~ComputerNameSource() = default;
    // Returns the platform's success flag; on success `name` holds the name as the system keeps it.
    virtual bool QueryComputerName(std::string& name) = 0;
};

// The name without blanks around it, or "" when it cannot be read.
std::string ReadComputerName(ComputerNameSource& source);

}  // namespace kelvor
