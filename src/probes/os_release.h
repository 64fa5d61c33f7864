#pragma once
// The Linux system's name and version as people say them: the distribution's pretty name from its
// os-release file and the kernel's release, "Debian GNU/Linux 12 (bookworm), Linux 6.1.0".

#include <optional>
#include <string>
#include <string_view>

#include "probes/kernel_text.h"

namespace kelvor {

// The value `key` is given in os-release text: lines KEY=VALUE, the value in shell syntax (double
// quotes with backslash escapes, single quotes, or bare words with backslash escapes); the last
// assignment counts, and a line whose quote is left open assigns nothing. Control characters come
// out as blanks, so that the value stays one line of the block.
std::optional<std::string> OsReleaseValue(std::string_view text, std::string_view key);

// The leading numeric version of a kernel release: "6.1.0-18-amd64" gives "6.1.0"; a release
// without one is given whole.
std::string KernelVersion(std::string_view release);

// PRETTY_NAME of `etcOsRelease` (or of `usrLibOsRelease` where that cannot be read), else its NAME,
// with the kernel's version after it; "Linux 6.1.0" alone when neither file names the system.
std::string LinuxSystemText(KernelText& etcOsRelease, KernelText& usrLibOsRelease, std::string_view kernelRelease);

}  // namespace kelvor
