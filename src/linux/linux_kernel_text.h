#pragma once
// A /proc file read whole on each call. The file stays open between reads: the kernel writes its
// text afresh whenever it is read again from the start.

#include <string>

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
};

}  // namespace kelvor::x11
