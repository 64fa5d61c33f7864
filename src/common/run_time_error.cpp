#include "common/run_time_error.h"

namespace kelvor {

std::string_view ErrorDescription(int32_t number) {
    switch (number) {
        case kErrOverflow: return "Overflow";
        case kErrOutOfMemory: return "Out of memory";
        case kErrSubscriptOutOfRange: return "Subscript out of range";
        case kErrDivisionByZero: return "Division by zero";
        case kErrInternal: return "Internal error";
        case kErrInvalidPropertyValue: return "Invalid property value";
        case kErrEntryPointNotFound: return "Can't find DLL entry point";
        default: return "";
    }
}

void Raise(int32_t number, std::string source, std::string_view detail) {
    std::string description(ErrorDescription(number));
    if (!detail.empty()) description.append(" ").append(detail);
    throw RunTimeError(number, std::move(source), std::move(description));
}

void RaiseOverflow() { Raise(kErrOverflow); }
void RaiseDivisionByZero() { Raise(kErrDivisionByZero); }

std::string CriticalErrorText(std::string_view whatWasLoading, std::string_view description, int32_t number) {
    return std::string("Critical Error encountered while loading ").append(whatWasLoading).append(": \r")
        .append(description).append(" [").append(std::to_string(number)).append("]");
}

}  // namespace kelvor
