#pragma once
// The program's one error type: a signed 32-bit number, the source that raised it and a
// description, as shown in critical-error messages.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kelvor {

class RunTimeError : public std::runtime_error {
public:
    RunTimeError(int32_t number, std::string source, std::string description)
        : std::runtime_error(description), number_(number), source_(std::move(source)),
          description_(std::move(description)) {}

    int32_t Number() const noexcept { return number_; }
    const std::string& Source() const noexcept { return source_; }
    const std::string& Description() const noexcept { return description_; }

private:
    int32_t number_;
    std::string source_;
    std::string description_;
};

inline constexpr int32_t kErrOverflow = 6;
inline constexpr int32_t kErrDivisionByZero = 11;

// Run-time error 6, raised by every checked narrowing.
[[noreturn]] void RaiseOverflow();
// Run-time error 11, raised by a division whose divisor is zero.
[[noreturn]] void RaiseDivisionByZero();

}  // namespace kelvor
