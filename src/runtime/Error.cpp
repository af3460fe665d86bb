#include "runtime/Error.h"

#include <utility>

namespace rt {

Error::Error(std::int32_t number, std::string description, std::string source)
    : number_(number), description_(std::move(description)), source_(std::move(source)) {}

Error::Error(std::int32_t number) : Error(number, describe(number), "Decorama") {}

std::string Error::describe(std::int32_t number) {
    switch (number) {
    case ErrInvalidProcedureCall:
        return "Invalid procedure call or argument";
    case ErrOverflow:
        return "Overflow";
    case ErrSubscriptOutOfRange:
        return "Subscript out of range";
    case ErrTypeMismatch:
        return "Type mismatch";
    case ErrFileNotFound:
        return "File not found";
    case ErrFileAlreadyExists:
        return "File already exists";
    case ErrInputPastEndOfFile:
        return "Input past end of file";
    case ErrPermissionDenied:
        return "Permission denied";
    case ErrPathFileAccess:
        return "Path/File access error";
    case ErrPathNotFound:
        return "Path not found";
    case ErrUnsupported:
        return "Invalid for this operating system.";
    default:
        return "Application-defined or object-defined error";
    }
}

Error unsupportedError(const std::string& source) {
    return Error(ErrUnsupported, "Invalid for this operating system.", source);
}

std::string unhandledErrorText(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const Error& failure) {
        return "Run-time error '" + std::to_string(failure.number()) + "':\n\n" + failure.description();
    } catch (const std::exception& failure) {
        return std::string("Run-time error:\n\n") + failure.what();
    } catch (...) {
        return "Run-time error.";
    }
}

} // namespace rt
