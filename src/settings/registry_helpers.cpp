#include "settings/registry_helpers.h"

#include <optional>
#include <utility>
#include <vector>

#include "common/run_time_error.h"

namespace kelvor {
namespace {

struct RegistryValue {
    uint32_t type = kRegNone;
    std::vector<uint8_t> data;
};

// Opens the key, queries the value into a buffer of kRegistryReadBufferSize bytes and keeps the bytes
// the query reported, less one trailing zero byte, so that a string stored with or without its
// terminator reads the same.
std::optional<RegistryValue> ReadValue(Registry& registry, RegistryRoot root, const std::string& subkey,
                                       const std::string& name) {
    RegistryKeyHandle handle = 0;
    if (registry.OpenKey(root, subkey, handle) != kErrorSuccess) return std::nullopt;
    const OpenRegistryKey key(registry, handle);

    RegistryValue value;
    std::vector<uint8_t> buffer(kRegistryReadBufferSize);
    uint32_t size = kRegistryReadBufferSize;
    if (registry.QueryValue(key.Handle(), name, value.type, buffer, size) != kErrorSuccess) return std::nullopt;
    // A size beyond the buffer cannot have been written into it.
    if (size > buffer.size()) return std::nullopt;
    buffer.resize(size);
    // A value without any data has no last byte to drop.
    if (!buffer.empty() && buffer.back() == 0) buffer.pop_back();
    value.data = std::move(buffer);
    return value;
}

// The number a number value's bytes hold, little-endian, its 32 bits read as signed. Fewer than four
// bytes (the read may have dropped a zero high byte) are zero-extended. nullopt when the bytes hold a
// number beyond 32 bits.
std::optional<int32_t> DecodeNumber(const std::vector<uint8_t>& data) {
    uint32_t bits = 0;
    for (size_t index = 0; index < data.size(); ++index) {
        if (index >= 4) {
            if (data[index] != 0) return std::nullopt;
        } else {
            bits |= static_cast<uint32_t>(data[index]) << (8 * index);
        }
    }
    return static_cast<int32_t>(bits);
}

// The number as a hexadecimal literal, most significant byte first ("&h" + two digits a byte): the
// text given for a number too wide to show in decimal.
std::string HexLiteral(const std::vector<uint8_t>& data) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string literal = "&h";
    for (auto byte = data.rbegin(); byte != data.rend(); ++byte) {
        literal += kDigits[*byte >> 4];
        literal += kDigits[*byte & 0x0F];
    }
    return literal;
}

std::string NumberText(const std::vector<uint8_t>& data) {
    if (data.empty()) return "";
    const std::optional<int32_t> number = DecodeNumber(data);
    return number ? std::to_string(*number) : HexLiteral(data);
}

bool WriteValue(Registry& registry, RegistryRoot root, const std::string& subkey, const std::string& name,
                uint32_t type, const std::vector<uint8_t>& data) {
    RegistryKeyHandle handle = 0;
    if (registry.CreateKey(root, subkey, handle) != kErrorSuccess) return false;
    const OpenRegistryKey key(registry, handle);
    return registry.SetValue(key.Handle(), name, type, data) == kErrorSuccess;
}

}  // namespace

bool ReadRegString(Registry& registry, RegistryRoot root, const std::string& subkey, const std::string& name,
                   std::string& out) {
    const std::optional<RegistryValue> value = ReadValue(registry, root, subkey, name);
    if (!value) {
        out.clear();
        return false;
    }
    if (value->type == kRegSz) {
        out.assign(value->data.begin(), value->data.end());
    } else if (value->type == kRegDword) {
        out = NumberText(value->data);
    }
    return true;
}

bool ReadRegNumber(Registry& registry, RegistryRoot root, const std::string& subkey, const std::string& name,
                   int32_t& out) {
    const std::optional<RegistryValue> value = ReadValue(registry, root, subkey, name);
    if (!value || value->type != kRegDword || value->data.empty()) return false;
    const std::optional<int32_t> number = DecodeNumber(value->data);
    if (!number) RaiseOverflow();
    out = *number;
    return true;
}

bool WriteRegString(Registry& registry, RegistryRoot root, const std::string& subkey, const std::string& name,
                    const std::string& text) {
    // The empty text is stored as one zero byte; other text without a terminator.
    const std::vector<uint8_t> data = text.empty() ? std::vector<uint8_t>{0}
                                                   : std::vector<uint8_t>(text.begin(), text.end());
    return WriteValue(registry, root, subkey, name, kRegSz, data);
}

bool WriteRegNumber(Registry& registry, RegistryRoot root, const std::string& subkey, const std::string& name,
                    int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    const std::vector<uint8_t> data{static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8),
                                    static_cast<uint8_t>(bits >> 16), static_cast<uint8_t>(bits >> 24)};
    return WriteValue(registry, root, subkey, name, kRegDword, data);
}

}  // namespace kelvor
