#pragma once
// The 9x kernel's processor-usage statistic under HKEY_DYN_DATA.

#include "probes/processor_load_sources.h"
#include "win32/scoped_handle.h"

namespace kelvor::win32 {

class WinKernelStatistic final : public KernelStatistic {
public:
    int32_t Start(int32_t& usage) override;
    int32_t OpenData() override;
    int32_t Read(int32_t& usage) override;
    int32_t Stop(int32_t& usage) override;

private:
    ScopedRegistryKey data_;
};

}  // namespace kelvor::win32
