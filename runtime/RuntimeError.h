#pragma once
// A run-time error as the program's procedures raise and catch it:
// a number, the source that raised it and a description.
#include <cstdint>
#include <exception>
#include <string>

namespace rt {

// The standard error numbers the program uses.
enum ErrorNumber : int32_t {
    errInvalidCall = 5,
    errOverflow = 6,
    errOutOfMemory = 7,
    errSubscript = 9,
    errTypeMismatch = 13,
    errInternal = 51,
    errFileNotFound = 53,
    errPermissionDenied = 70,
    errPathFileAccess = 75,
    errPathNotFound = 76,
    errInvalidUseOfNull = 94,
    errResourceNotFound = 326,
    errInvalidPropertyValue = 380,
    errInvalidPropertyArrayIndex = 381,
};

class RuntimeError : public std::exception {
public:
    RuntimeError(int32_t number, std::wstring source, std::wstring description);

    // A standard error: the platform's description for the number and the
    // program's executable name as source.
    static RuntimeError standard(int32_t number);

    int32_t number() const { return number_; }
    const std::wstring& source() const { return source_; }
    const std::wstring& description() const { return description_; }
    const char* what() const noexcept override { return what_.c_str(); }

private:
    int32_t number_;
    std::wstring source_;
    std::wstring description_;
    std::string what_;
};

// The platform's description of a standard error number
// ("Application-defined or object-defined error" for any other).
std::wstring standardDescription(int32_t number);

[[noreturn]] void raiseStandard(int32_t number);

}  // namespace rt
