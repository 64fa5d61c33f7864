#include "win32/error_barrier.h"

#include "settings/saver_settings.h"

namespace kelvor::win32 {

void ShowUntrappedError(int32_t number, const std::string& description) {
    const std::string text = "Run-time error '" + std::to_string(number) + "':\r\n\r\n" + description;
    MessageBoxA(nullptr, text.c_str(), kApplicationTitle, MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace kelvor::win32
