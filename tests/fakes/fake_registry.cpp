#include "fakes/fake_registry.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <utility>

namespace kelvor {
namespace {

constexpr int32_t kErrorInvalidHandle = 6;
constexpr int32_t kErrorInvalidParameter = 87;

}  // namespace

std::string FakeRegistry::Fold(const std::string& text) {
    std::string folded = text;
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return folded;
}

FakeRegistry::Key& FakeRegistry::MakeKey(RegistryRoot root, const std::string& subkey) {
    const std::string folded = Fold(subkey);
    for (size_t separator = folded.find('\\'); separator != std::string::npos;
         separator = folded.find('\\', separator + 1))
        keys_[{root, folded.substr(0, separator)}];
    return keys_[{root, folded}];
}

const FakeRegistry::Key* FakeRegistry::FindKey(RegistryRoot root, const std::string& subkey) const {
    const auto found = keys_.find({root, Fold(subkey)});
    return found == keys_.end() ? nullptr : &found->second;
}

RegistryKeyHandle FakeRegistry::NewHandle(RegistryRoot root, const std::string& subkey) {
    const RegistryKeyHandle handle = nextHandle_++;
    handles_.emplace(handle, OpenKeyRecord{root, subkey});
    return handle;
}

const FakeRegistry::OpenKeyRecord* FakeRegistry::FindHandle(RegistryKeyHandle key) const {
    const auto found = handles_.find(key);
    return found == handles_.end() ? nullptr : &found->second;
}

int32_t FakeRegistry::OpenKey(RegistryRoot root, const std::string& subkey, RegistryKeyHandle& key) {
    calls_.push_back({Operation::Open, root, subkey, ""});
    // The root itself (an empty subkey) always exists.
    if (!subkey.empty() && FindKey(root, subkey) == nullptr) return kErrorFileNotFound;
    key = NewHandle(root, subkey);
    return kErrorSuccess;
}

int32_t FakeRegistry::CreateKey(RegistryRoot root, const std::string& subkey, RegistryKeyHandle& key) {
    calls_.push_back({Operation::Create, root, subkey, ""});
    if (readOnlyRoots_.contains(root)) return kErrorAccessDenied;
    MakeKey(root, subkey);
    key = NewHandle(root, subkey);
    return kErrorSuccess;
}

int32_t FakeRegistry::QueryValue(RegistryKeyHandle key, const std::string& name, uint32_t& type,
                                 std::vector<uint8_t>& buffer, uint32_t& size) {
    const OpenKeyRecord* const open = FindHandle(key);
    if (open == nullptr) {
        calls_.push_back({Operation::Query, RegistryRoot{}, "", name});
        return kErrorInvalidHandle;
    }
    calls_.push_back({Operation::Query, open->root, open->subkey, name});
    if (size > buffer.size()) return kErrorInvalidParameter;

    const std::optional<RawValue> raw = GetRaw(open->root, open->subkey, name);
    if (!raw) return kErrorFileNotFound;
    type = raw->type;
    const uint32_t capacity = size;
    size = static_cast<uint32_t>(raw->data.size());
    if (raw->data.size() > capacity) return kErrorMoreData;
    std::copy(raw->data.begin(), raw->data.end(), buffer.begin());
    return kErrorSuccess;
}

int32_t FakeRegistry::SetValue(RegistryKeyHandle key, const std::string& name, uint32_t type,
                               const std::vector<uint8_t>& data) {
    const OpenKeyRecord* const open = FindHandle(key);
    if (open == nullptr) {
        calls_.push_back({Operation::Set, RegistryRoot{}, "", name});
        return kErrorInvalidHandle;
    }
    calls_.push_back({Operation::Set, open->root, open->subkey, name});
    if (readOnlyRoots_.contains(open->root)) return kErrorAccessDenied;
    if (const auto failing = failingSetNames_.find(Fold(name)); failing != failingSetNames_.end())
        return failing->second;
    SetRaw(open->root, open->subkey, name, type, data);
    return kErrorSuccess;
}

int32_t FakeRegistry::CloseKey(RegistryKeyHandle key) {
    const OpenKeyRecord* const open = FindHandle(key);
    calls_.push_back({Operation::Close, open == nullptr ? RegistryRoot{} : open->root,
                      open == nullptr ? "" : open->subkey, ""});
    return handles_.erase(key) == 1 ? kErrorSuccess : kErrorInvalidHandle;
}

void FakeRegistry::SetRaw(RegistryRoot root, const std::string& subkey, const std::string& name, uint32_t type,
                          std::vector<uint8_t> data) {
    auto& values = MakeKey(root, subkey).values;
    // An existing value keeps the spelling of its name.
    const auto [entry, inserted] = values.try_emplace(Fold(name), name, RawValue{});
    entry->second.second = RawValue{type, std::move(data)};
}

void FakeRegistry::SetString(RegistryRoot root, const std::string& subkey, const std::string& name,
                             const std::string& text) {
    SetRaw(root, subkey, name, kRegSz, std::vector<uint8_t>(text.begin(), text.end()));
}

void FakeRegistry::SetNumber(RegistryRoot root, const std::string& subkey, const std::string& name,
                             int32_t number) {
    std::vector<uint8_t> data(sizeof number);
    std::memcpy(data.data(), &number, sizeof number);
    SetRaw(root, subkey, name, kRegDword, std::move(data));
}

std::optional<FakeRegistry::RawValue> FakeRegistry::GetRaw(RegistryRoot root, const std::string& subkey,
                                                           const std::string& name) const {
    const Key* const key = FindKey(root, subkey);
    if (key == nullptr) return std::nullopt;
    const auto value = key->values.find(Fold(name));
    if (value == key->values.end()) return std::nullopt;
    return value->second.second;
}

std::optional<std::string> FakeRegistry::GetString(RegistryRoot root, const std::string& subkey,
                                                   const std::string& name) const {
    const std::optional<RawValue> raw = GetRaw(root, subkey, name);
    if (!raw || raw->type != kRegSz) return std::nullopt;
    std::string text(raw->data.begin(), raw->data.end());
    text.erase(text.find_last_not_of('\0') + 1);
    return text;
}

std::optional<int32_t> FakeRegistry::GetNumber(RegistryRoot root, const std::string& subkey,
                                               const std::string& name) const {
    const std::optional<RawValue> raw = GetRaw(root, subkey, name);
    if (!raw || raw->type != kRegDword || raw->data.size() != sizeof(int32_t)) return std::nullopt;
    int32_t number = 0;
    std::memcpy(&number, raw->data.data(), sizeof number);
    return number;
}

bool FakeRegistry::KeyExists(RegistryRoot root, const std::string& subkey) const {
    return subkey.empty() || FindKey(root, subkey) != nullptr;
}

void FakeRegistry::SetReadOnly(RegistryRoot root, bool readOnly) {
    if (readOnly)
        readOnlyRoots_.insert(root);
    else
        readOnlyRoots_.erase(root);
}

void FakeRegistry::FailSetValue(const std::string& name, int32_t status) { failingSetNames_[Fold(name)] = status; }

std::vector<std::string> FakeRegistry::WrittenNames() const {
    std::vector<std::string> names;
    for (const Call& call : calls_)
        if (call.operation == Operation::Set) names.push_back(call.name);
    return names;
}

}  // namespace kelvor
