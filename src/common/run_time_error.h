#pragma once
// The program's one error type: a signed 32-bit number, the source that raised it and a
// description, as shown in critical-error messages; the run-time errors the program raises, with
// their standard descriptions; and the text of a critical error.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

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

// The run-time errors the program itself raises or reports.
inline constexpr int32_t kErrOverflow = 6;
inline constexpr int32_t kErrOutOfMemory = 7;
inline constexpr int32_t kErrSubscriptOutOfRange = 9;
inline constexpr int32_t kErrDivisionByZero = 11;
inline constexpr int32_t kErrInternal = 51;
inline constexpr int32_t kErrInvalidPropertyValue = 380;
inline constexpr int32_t kErrEntryPointNotFound = 453;

// The standard description of one of the numbers above ("" for any other).
std::string_view ErrorDescription(int32_t number);

// Raises the error with its standard description; `detail`, when given, follows it after a blank
// (the name of a missing entry point, say).
[[noreturn]] void Raise(int32_t number, std::string source = "", std::string_view detail = "");

// Run-time error 6, raised by every checked narrowing.
[[noreturn]] void RaiseOverflow();
// Run-time error 11, raised by a division whose divisor is zero.
[[noreturn]] void RaiseDivisionByZero();

// The message of a failure while a window loads: "Critical Error encountered while loading " +
// what + ": ", a carriage return, the description, " [", the number, "]".
std::string CriticalErrorText(std::string_view whatWasLoading, std::string_view description, int32_t number);

}  // namespace kelvor
