// Feeds arbitrary text to the parser of the stored password record, and the same bytes as a registry
// value to the password store, and checks what both must guarantee whatever the data.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fakes/fake_registry.h"
#include "fakes/fake_salt_source.h"
#include "password/password_record.h"
#include "password/password_store.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* input, size_t length) {
    const std::string text(reinterpret_cast<const char*>(input), length);

    // Only the canonical form parses, so a parsed record formats back to exactly the same text, and
    // every field is within its limits.
    const std::optional<kelvor::PasswordRecord> record = kelvor::ParsePasswordRecord(text);
    if (record) {
        Check(kelvor::FormatPasswordRecord(*record) == text);
        Check(record->iterations >= kelvor::kMinPasswordIterations &&
              record->iterations <= kelvor::kMaxPasswordIterations);
        Check(record->salt.size() >= kelvor::kMinPasswordSaltSize &&
              record->salt.size() <= kelvor::kMaxPasswordSaltSize);
    }

    // The store reads the value less one trailing zero byte, and never lifts a password it cannot
    // read: only an empty value means "no password". Checking a record is slow, so only records of a
    // few rounds go on.
    const std::string_view kept =
        length > 0 && input[length - 1] == 0 ? std::string_view(text).substr(0, length - 1) : std::string_view(text);
    const std::optional<kelvor::PasswordRecord> keptRecord = kelvor::ParsePasswordRecord(kept);
    if (keptRecord && keptRecord->iterations > 64) return 0;
    kelvor::FakeRegistry registry;
    kelvor::FakeSaltSource salts;
    registry.SetRaw(kelvor::kPasswordRoot, kelvor::kPasswordSubkey, kelvor::kPasswordValueName, kelvor::kRegSz,
                    std::vector<uint8_t>(input, input + length));
    kelvor::PasswordStore store(registry, salts, 1);
    const kelvor::StoredPassword state = store.State();
    Check(state == (kept.empty()  ? kelvor::StoredPassword::None
                    : keptRecord ? kelvor::StoredPassword::Set
                                 : kelvor::StoredPassword::Unreadable));
    Check(store.Verify("") == kept.empty());
    Check(registry.OpenHandleCount() == 0);
    return 0;
}
