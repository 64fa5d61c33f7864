#pragma once
// The interface table as the test sets it, answered like GetIfTable; each interface's entry is
// answered from the same table, like GetIfEntry (MIB_IFROW) or GetIfEntry2 (MIB_IF_ROW2, looked up
// by its LUID when that is set, with 64-bit counters whose upper half is `upperCounterBits`).

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <vector>

#include "probes/network_activity.h"

namespace kelvor {

class FakeInterfaceTable final : public InterfaceTableSource {
public:
    static constexpr int32_t kNotFound = 2;  // ERROR_FILE_NOT_FOUND

    int32_t QuerySize(uint32_t& size) override {
        ++sizeQueries;
        if (sizeStatus == kInterfaceTableNotSupported) return sizeStatus;
        size = static_cast<uint32_t>(table.size());
        return sizeStatus;
    }
    int32_t Read(std::vector<uint8_t>& buffer) override {
        ++reads;
        if (readStatus != 0) return readStatus;
        if (buffer.size() < table.size()) return kInterfaceTableInsufficientBuffer;
        std::copy(table.begin(), table.end(), buffer.begin());
        return 0;
    }

    InterfaceEntryLayout EntryLayout() const override { return layout; }
    int32_t ReadEntry(std::vector<uint8_t>& entry) override {
        ++entryReads;
        if (entryStatus != 0) return entryStatus;
        const bool row2 = layout == InterfaceEntryLayout::IfRow2;
        if (layout == InterfaceEntryLayout::None) return kInterfaceTableNotSupported;
        if (entry.size() < (row2 ? IfRow2Layout::kSize : IfRowLayout::kSize)) return kInterfaceTableInsufficientBuffer;
        const uint64_t luid = row2 ? Get<uint64_t>(entry, IfRow2Layout::kLuid) : 0;
        const uint32_t index = Get<uint32_t>(entry, row2 ? IfRow2Layout::kIndex : IfRowLayout::kIndex);
        const std::optional<size_t> row = luid != 0 ? FindRow([&](uint32_t i) { return LuidOf(i) == luid; })
                                                    : FindRow([&](uint32_t i) { return i == index; });
        if (!row) return kNotFound;
        if (!row2) {
            std::copy_n(table.begin() + static_cast<std::ptrdiff_t>(*row), IfRowLayout::kSize, entry.begin());
            return 0;
        }
        const uint32_t found = Get<uint32_t>(table, *row + IfRowLayout::kIndex);
        std::fill(entry.begin(), entry.end(), uint8_t{0});
        Put(entry, IfRow2Layout::kLuid, LuidOf(found));
        Put(entry, IfRow2Layout::kIndex, found);
        Put(entry, IfRow2Layout::kInOctets, upperCounterBits | Get<uint32_t>(table, *row + IfRowLayout::kInOctets));
        Put(entry, IfRow2Layout::kOutOctets, upperCounterBits | Get<uint32_t>(table, *row + IfRowLayout::kOutOctets));
        return 0;
    }

    // An interface's LUID: set in `luids`, or else made from its index.
    uint64_t LuidOf(uint32_t index) const {
        const auto set = luids.find(index);
        return set != luids.end() ? set->second : 0x0006'0000'0000'0000ull | index;
    }

    std::vector<uint8_t> table;
    int32_t sizeStatus = kInterfaceTableInsufficientBuffer;
    int32_t readStatus = 0;
    InterfaceEntryLayout layout = InterfaceEntryLayout::None;
    int32_t entryStatus = 0;
    uint64_t upperCounterBits = 0x0000'0003'0000'0000ull;
    std::map<uint32_t, uint64_t> luids;
    int reads = 0;
    int sizeQueries = 0;
    int entryReads = 0;

private:
    template <typename T>
    static T Get(const std::vector<uint8_t>& bytes, size_t at) {
        T value{};
        std::memcpy(&value, bytes.data() + at, sizeof value);
        return value;
    }
    template <typename T>
    static void Put(std::vector<uint8_t>& bytes, size_t at, T value) {
        std::memcpy(bytes.data() + at, &value, sizeof value);
    }

    // The offset of the first row whose index `matches`.
    template <typename Matches>
    std::optional<size_t> FindRow(Matches matches) const {
        constexpr size_t kRow = IfRowLayout::kSize;
        const size_t rows = table.size() < 4 ? 0 : std::min<size_t>(Get<uint32_t>(table, 0), (table.size() - 4) / kRow);
        for (size_t at = 4; at < 4 + rows * kRow; at += kRow)
            if (matches(Get<uint32_t>(table, at + IfRowLayout::kIndex))) return at;
        return std::nullopt;
    }
};

}  // namespace kelvor
