#pragma once
// The NT performance data and the 9x kernel statistic as the test sets them; both note how they
// were called.

#include <algorithm>
#include <string>
#include <vector>

#include "probes/processor_load_sources.h"

namespace kelvor {

// Behaves like the registry query: data larger than the room offered answer ERROR_MORE_DATA.
class FakePerformanceData final : public PerformanceDataSource {
public:
    int32_t Query(const std::string& valueName, std::vector<uint8_t>& buffer, uint32_t& size) override {
        valueNames.push_back(valueName);
        roomOffered.push_back(size);
        if (failure != 0) return failure;
        if (data.size() > size || data.size() > buffer.size()) {
            size = static_cast<uint32_t>(data.size());
            return kQueryMoreData;
        }
        std::copy(data.begin(), data.end(), buffer.begin());
        size = static_cast<uint32_t>(data.size());
        return kQuerySucceeded;
    }

    std::vector<uint8_t> data;
    int32_t failure = 0;  // a status other than success to answer every query with
    std::vector<std::string> valueNames;
    std::vector<uint32_t> roomOffered;
};

class FakeKernelStatistic final : public KernelStatistic {
public:
    int32_t Start(int32_t& value) override {
        calls.push_back("start");
        if (startStatus == 0) value = usage;
        return startStatus;
    }
    int32_t OpenData() override {
        calls.push_back("open");
        return openStatus;
    }
    int32_t Read(int32_t& value) override {
        calls.push_back("read");
        value = usage;
        return 0;
    }
    int32_t Stop(int32_t& value) override {
        calls.push_back("stop");
        value = usage;
        return 0;
    }

    int32_t usage = 0;
    int32_t startStatus = 0;
    int32_t openStatus = 0;
    std::vector<std::string> calls;
};

}  // namespace kelvor
