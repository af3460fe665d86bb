// The one error type of the program: a number, a description and a source, as the
// program shows them ("53File not found" in the start-up message, for example).
// Windows file failures are mapped to these numbers by the runtime services.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace rt {

enum ErrorNumber : std::int32_t {
    ErrInvalidProcedureCall = 5,
    ErrOverflow = 6,
    ErrSubscriptOutOfRange = 9,
    ErrTypeMismatch = 13,
    ErrInputPastEndOfFile = 62,
    ErrPermissionDenied = 70,
    ErrPathFileAccess = 75,
    ErrPathNotFound = 76,
    ErrFileNotFound = 53,
    ErrFileAlreadyExists = 58,
    ErrInvalidPropertyValue = 380,
    ErrInvalidPropertyArrayIndex = 381,
    ErrInvalidPicture = 481,
    // Object-defined errors of the settings classes: 0x80040000 + 5114 and on.
    ErrUnsupported = static_cast<std::int32_t>(0x800413FAu),
    ErrNetBiosNameTooLong = static_cast<std::int32_t>(0x800413FBu),
    ErrComputerNameTooLong = static_cast<std::int32_t>(0x800413FCu),
};

class Error : public std::exception {
public:
    Error(std::int32_t number, std::string description, std::string source = {});
    // An error with the standard description of its number.
    explicit Error(std::int32_t number);

    std::int32_t number() const noexcept { return number_; }
    const std::string& description() const noexcept { return description_; }
    const std::string& source() const noexcept { return source_; }
    const char* what() const noexcept override { return description_.c_str(); }

    // The standard description of a number, "Application-defined or object-defined error"
    // for a number without one.
    static std::string describe(std::int32_t number);

private:
    std::int32_t number_;
    std::string description_;
    std::string source_;
};

// "Invalid for this operating system." raised by a settings class with its source name.
Error unsupportedError(const std::string& source);

// The text of the box that reports an error nothing handled, as both window systems
// show it: "Run-time error '53':" and the description for the program's own errors.
std::string unhandledErrorText(std::exception_ptr error);

} // namespace rt
