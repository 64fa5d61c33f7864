// Feeds arbitrary command lines to the readers of the switch, the preview pane and the
// password-change parent. Each must give an answer or raise the run-time error "Overflow".

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/run_time_error.h"
#include "host/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string commandLine(reinterpret_cast<const char*>(data), size);
    const std::string mode = kelvor::FormSwitch(commandLine);
    if (mode.size() > 2) std::abort();
    // Any handle is a 32-bit value; out-of-range numbers name no pane and give 0.
    const int32_t pane = kelvor::ParseWindowHandle(commandLine);
    if (commandLine.find_first_of("0123456789") == std::string::npos && pane != 0) std::abort();
    try {
        kelvor::PasswordParentWindow(commandLine);
    } catch (const kelvor::RunTimeError& error) {
        if (error.Number() != kelvor::kErrOverflow) std::abort();
    }
    return 0;
}
