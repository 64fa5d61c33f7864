#include "probes/computer_name.h"

namespace kelvor {

std::string ReadComputerName(ComputerNameSource& source) {
    std::string name;
    if (!source.QueryComputerName(name)) return "";
    const size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

}  // namespace kelvor
