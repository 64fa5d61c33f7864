// Feeds arbitrary command lines to the display module's options: the input, cut at each zero byte,
// gives the arguments; the first byte picks what XSCREENSAVER_WINDOW holds.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "module/module_options.h"

namespace {

class EveryColour final : public kelvor::ColourNames {
public:
    std::optional<int32_t> Colour(const std::string& name) override {
        if (name.size() % 2 == 0) return std::nullopt;
        return static_cast<int32_t>(name.size());
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kelvor;
    if (size == 0) return 0;
    const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::vector<std::string> arguments;
    for (size_t start = 0;;) {
        const size_t end = input.find('\0', start);
        arguments.push_back(input.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    ModuleOptions options;
    std::vector<std::string> warnings;
    ParseModuleOptions(arguments, options, warnings);
    const std::string environment = arguments.back();
    ChooseTarget(options, data[0] % 2 == 0 ? nullptr : environment.c_str(), warnings);
    EveryColour colours;
    ModuleSettings(options, colours, warnings);
    return 0;
}
