#include "password/password_store.h"

#include <vector>

#include "password/password_hash.h"
#include "settings/registry_helpers.h"

namespace kelvor {

PasswordStore::PasswordStore(Registry& registry, SaltSource& salts, uint32_t iterations)
    : registry_(registry), salts_(salts), iterations_(iterations) {}

PasswordStore::Stored PasswordStore::Read() const {
    // Only a missing key or value means "no password"; every other failure to read counts as an
    // unreadable record, so that a read error never lifts the password.
    RegistryKeyHandle handle = 0;
    const int32_t opened = registry_.OpenKey(kPasswordRoot, kPasswordSubkey, handle);
    if (opened == kErrorFileNotFound) return {};
    if (opened != kErrorSuccess) return {StoredPassword::Unreadable, std::nullopt};
    const OpenRegistryKey key(registry_, handle);

    uint32_t type = kRegNone;
    std::vector<uint8_t> buffer(kRegistryReadBufferSize);
    uint32_t size = kRegistryReadBufferSize;
    const int32_t status = registry_.QueryValue(key.Handle(), kPasswordValueName, type, buffer, size);
    if (status == kErrorFileNotFound) return {};
    if (status != kErrorSuccess || type != kRegSz || size > buffer.size())
        return {StoredPassword::Unreadable, std::nullopt};
    buffer.resize(size);
    if (!buffer.empty() && buffer.back() == 0) buffer.pop_back();
    if (buffer.empty()) return {};

    std::optional<PasswordRecord> record =
        ParsePasswordRecord(std::string_view(reinterpret_cast<const char*>(buffer.data()), buffer.size()));
    if (!record) return {StoredPassword::Unreadable, std::nullopt};
    return {StoredPassword::Set, std::move(record)};
}

bool PasswordStore::Write(std::string_view password) {
    if (password.empty()) return WriteRegString(registry_, kPasswordRoot, kPasswordSubkey, kPasswordValueName, "");
    const std::vector<uint8_t> salt = salts_.RandomBytes(kPasswordSaltSize);
    if (salt.size() != kPasswordSaltSize) return false;
    const PasswordRecord record = HashPassword(password, salt, iterations_);
    return WriteRegString(registry_, kPasswordRoot, kPasswordSubkey, kPasswordValueName,
                          FormatPasswordRecord(record));
}

StoredPassword PasswordStore::State() const { return Read().state; }

bool PasswordStore::Verify(std::string_view password) {
    const Stored stored = Read();
    switch (stored.state) {
        case StoredPassword::None: return password.empty();
        case StoredPassword::Unreadable: return false;
        case StoredPassword::Set: break;
    }
    if (!PasswordMatches(password, *stored.record)) return false;
    // A failed renewal leaves the old record, which still verifies.
    if (stored.record->iterations < iterations_) Write(password);
    return true;
}

PasswordChange PasswordStore::Change(std::string_view oldPassword, std::string_view newPassword,
                                     std::string_view confirmation) {
    const Stored stored = Read();
    if (stored.state == StoredPassword::Set && !PasswordMatches(oldPassword, *stored.record))
        return PasswordChange::WrongOldPassword;
    if (newPassword != confirmation) return PasswordChange::Mismatch;
    return Write(newPassword) ? PasswordChange::Changed : PasswordChange::NotSaved;
}

}  // namespace kelvor
