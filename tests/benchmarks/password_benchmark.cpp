// What one check of the program's own screen-saver password costs: PBKDF2-HMAC-SHA256 at the round
// count new records get, and one SHA-256 block, the unit that cost is made of (two per round).
#include <benchmark/benchmark.h>

#include <vector>

#include "password/password_hash.h"
#include "password/password_store.h"
#include "password/sha256.h"

namespace {

void PasswordCheckAtDefaultRounds(benchmark::State& state) {
    const kelvor::PasswordRecord record =
        kelvor::HashPassword("correct horse", std::vector<uint8_t>(kelvor::kPasswordSaltSize, 0x42),
                             kelvor::kDefaultPasswordIterations);
    for (auto _ : state) benchmark::DoNotOptimize(kelvor::PasswordMatches("correct horse", record));
}
BENCHMARK(PasswordCheckAtDefaultRounds)->Unit(benchmark::kMillisecond);

void Sha256OneBlock(benchmark::State& state) {
    const std::vector<uint8_t> block(55, 'a');  // with its padding, exactly one block
    for (auto _ : state) benchmark::DoNotOptimize(kelvor::Sha256Of(block));
}
BENCHMARK(Sha256OneBlock);

}  // namespace
