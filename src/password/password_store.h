#pragma once
// The program's own screen-saver password, for systems without the 9x password services: kept in
// the current user's part of the registry as a salted PBKDF2 record (see password_record.h), never as
// the password itself.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "password/password_record.h"
#include "password/salt_source.h"
#include "settings/registry.h"
#include "settings/saver_settings.h"

namespace kelvor {

inline constexpr RegistryRoot kPasswordRoot = RegistryRoot::CurrentUser;
inline const std::string kPasswordSubkey = std::string("Software\\") + kApplicationTitle + "\\Password";
inline constexpr char kPasswordValueName[] = "Hash";

// Rounds for new records: about 5 ms on a current processor and about half a second on a 166 MHz
// Pentium, the slow end of the machines the 9x family ran on.
inline constexpr uint32_t kDefaultPasswordIterations = 10'000;

enum class StoredPassword {
    None,        // no value, or an empty one: the password is empty
    Set,         // a record this program can check
    Unreadable,  // a value that is not such a record (damaged, or written by a later version)
};

enum class PasswordChange { Changed, WrongOldPassword, Mismatch, NotSaved };

class PasswordStore {
public:
    // New and renewed records get `iterations` rounds.
    PasswordStore(Registry& registry, SaltSource& salts, uint32_t iterations = kDefaultPasswordIterations);

    StoredPassword State() const;

    // No stored password accepts only the empty password; an unreadable one accepts none. A correct
    // password checked against a record of fewer rounds than this store's is stored again with them.
    bool Verify(std::string_view password);

    // Sets the new password when it was typed the same twice and, if a password is set, the old one
    // is correct. An unreadable record is replaced without the old password: whoever can run this can
    // edit the current user's registry anyway. The empty new password removes the password.
    PasswordChange Change(std::string_view oldPassword, std::string_view newPassword,
                          std::string_view confirmation);

private:
    struct Stored {
        StoredPassword state = StoredPassword::None;
        std::optional<PasswordRecord> record;
    };

    Stored Read() const;
    bool Write(std::string_view password);

    Registry& registry_;
    SaltSource& salts_;
    uint32_t iterations_;
};

}  // namespace kelvor
