#pragma once
// A /proc file read whole on each call. The file stays open between reads: the kernel writes its
// text afresh whenever it is read again from the start, and one positioned read does it.

#include <string>
#include <vector>

#include "probes/kernel_text.h"

namespace kelvor::x11 {

class LinuxKernelText final : public KernelText {
public:
    explicit LinuxKernelText(std::string path) : path_(std::move(path)) {}
    LinuxKernelText(const LinuxKernelText&) = delete;
    LinuxKernelText& operator=(const LinuxKernelText&) = delete;
    ~LinuxKernelText() override;

    bool Read(std::string& text) override;

private:
    bool ReadOpen(std::string& text);
    void Close();

    std::string path_;
    int fd_ = -1;
    // What the kernel wrote; it keeps its size, so that reading costs no allocation or clearing.
    std::vector<char> buffer_;
};

}  // namespace kelvor::x11
