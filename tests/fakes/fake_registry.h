#pragma once
// An in-memory registry that behaves like the platform's where callers depend on it: keys per root,
// key and value names compared without regard to case, missing keys answering ERROR_FILE_NOT_FOUND,
// CreateKey making missing parents, ERROR_MORE_DATA with the needed size when the data exceeds the
// caller's buffer, value types and bytes kept exactly. It also tracks open handles, logs every call
// and can be told to fail, so tests can check what the code under test did to it.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "settings/registry.h"

namespace kelvor {

class FakeRegistry final : public Registry {
public:
    enum class Operation { Open, Create, Query, Set, Close };

    // One call made through the Registry interface. `name` is the value name for Query and Set.
    struct Call {
        Operation operation;
        RegistryRoot root;
        std::string subkey;
        std::string name;
    };

    struct RawValue {
        uint32_t type = kRegNone;
        std::vector<uint8_t> data;
        bool operator==(const RawValue&) const = default;
    };

    int32_t OpenKey(RegistryRoot root, const std::string& subkey, RegistryKeyHandle& key) override;
    int32_t CreateKey(RegistryRoot root, const std::string& subkey, RegistryKeyHandle& key) override;
    int32_t QueryValue(RegistryKeyHandle key, const std::string& name, uint32_t& type, std::vector<uint8_t>& buffer,
                       uint32_t& size) override;
    int32_t SetValue(RegistryKeyHandle key, const std::string& name, uint32_t type,
                     const std::vector<uint8_t>& data) override;
    int32_t CloseKey(RegistryKeyHandle key) override;

    // Test set-up and inspection; these are not logged. SetRaw creates the key and its parents.
    void SetRaw(RegistryRoot root, const std::string& subkey, const std::string& name, uint32_t type,
                std::vector<uint8_t> data);
    void SetString(RegistryRoot root, const std::string& subkey, const std::string& name, const std::string& text);
    void SetNumber(RegistryRoot root, const std::string& subkey, const std::string& name, int32_t number);
    std::optional<RawValue> GetRaw(RegistryRoot root, const std::string& subkey, const std::string& name) const;
    // The value's data as text, without any trailing zero bytes; nullopt when it is missing or not a string.
    std::optional<std::string> GetString(RegistryRoot root, const std::string& subkey, const std::string& name) const;
    // The value's 32-bit number; nullopt when it is missing or not four bytes of REG_DWORD.
    std::optional<int32_t> GetNumber(RegistryRoot root, const std::string& subkey, const std::string& name) const;
    bool KeyExists(RegistryRoot root, const std::string& subkey) const;

    // Failure injection. A read-only root answers ERROR_ACCESS_DENIED to CreateKey and SetValue;
    // FailSetValue makes every SetValue of that value name (in any key) answer `status`.
    void SetReadOnly(RegistryRoot root, bool readOnly);
    void FailSetValue(const std::string& name, int32_t status = kErrorAccessDenied);

    size_t OpenHandleCount() const { return handles_.size(); }
    const std::vector<Call>& Calls() const { return calls_; }
    size_t AccessCount() const { return calls_.size(); }
    void ClearCalls() { calls_.clear(); }
    // The value names of the SetValue calls, in order.
    std::vector<std::string> WrittenNames() const;

private:
    using KeyPath = std::pair<RegistryRoot, std::string>;  // the subkey folded to lower case

    struct Key {
        // Keyed by the lower-case name; the value keeps the name as it was first given.
        std::map<std::string, std::pair<std::string, RawValue>> values;
    };

    struct OpenKeyRecord {
        RegistryRoot root;
        std::string subkey;
    };

    static std::string Fold(const std::string& text);
    Key& MakeKey(RegistryRoot root, const std::string& subkey);
    const Key* FindKey(RegistryRoot root, const std::string& subkey) const;
    RegistryKeyHandle NewHandle(RegistryRoot root, const std::string& subkey);
    const OpenKeyRecord* FindHandle(RegistryKeyHandle key) const;

    std::map<KeyPath, Key> keys_;
    std::map<RegistryKeyHandle, OpenKeyRecord> handles_;
    RegistryKeyHandle nextHandle_ = 0x1000;
    std::set<RegistryRoot> readOnlyRoots_;
    std::map<std::string, int32_t> failingSetNames_;
    std::vector<Call> calls_;
};

}  // namespace kelvor
