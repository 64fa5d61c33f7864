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
    size_t used = 0;
    for (;;) {
        if (buffer_.size() < used + kReadStep) buffer_.resize(used + kReadStep);
        const size_t room = buffer_.size() - used;
        // A read from the start makes the kernel write the text afresh.
        const ssize_t got = pread(fd_, buffer_.data() + used, room, static_cast<off_t>(used));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        used += static_cast<size_t>(got);
        // The kernel fills the whole room of a read unless the text ends first: a short read
        // spares the read that would only find the end.
        if (static_cast<size_t>(got) < room) break;
        if (used >= kLargestText) return false;
    }
    text.assign(buffer_.data(), used);
    return true;
}

}  // namespace kelvor::x11
