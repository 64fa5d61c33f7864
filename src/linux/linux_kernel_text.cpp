#include "linux/linux_kernel_text.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace kelvor::x11 {

namespace {

constexpr size_t kReadStep = 4096;
// No /proc file the module reads comes near this; a larger one is not read at all.
constexpr size_t kLargestText = 4 * 1024 * 1024;

}  // namespace

LinuxKernelText::~LinuxKernelText() { Close(); }

void LinuxKernelText::Close() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
}

bool LinuxKernelText::Read(std::string& text) {
    if (fd_ < 0) fd_ = open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ >= 0 && ReadOpen(text)) return true;
    // A file that failed once is opened afresh next time.
    Close();
    return false;
}

bool LinuxKernelText::ReadOpen(std::string& text) {
    if (lseek(fd_, 0, SEEK_SET) != 0) return false;
    // The string keeps its capacity from read to read, so a steady file costs no allocation.
    text.clear();
    for (;;) {
        const size_t used = text.size();
        if (used >= kLargestText) return false;
        text.resize(used + kReadStep);
        const ssize_t got = read(fd_, text.data() + used, kReadStep);
        if (got < 0 && errno == EINTR) {
            text.resize(used);
            continue;
        }
        if (got < 0) return false;
        text.resize(used + static_cast<size_t>(got));
        if (got == 0) return true;
    }
}

}  // namespace kelvor::x11
