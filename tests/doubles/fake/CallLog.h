// The fake's record of every call made to it, one line per call written the way
// a reader of a test failure wants to see it: Name(arg, arg). Strings are quoted,
// null pointers read NULL, the predefined registry roots read by name, numbers
// are decimal. Out-parameters are left out.
#pragma once

#include "platform/WinTypes.h"

#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace fake {

class CallArg {
public:
    CallArg(const char* text);
    CallArg(const std::string& text);
    CallArg(bool value) : text_(value ? "true" : "false") {}
    template <class T, class = std::enable_if_t<std::is_integral_v<T> || std::is_enum_v<T>>>
    CallArg(T value) : text_(number(static_cast<std::int64_t>(value), std::is_signed_v<T>)) {}
    CallArg(const void* pointer) : text_(pointer ? "ptr" : "NULL") {}

    // A registry key handle: the predefined roots by name, others as numbers.
    static CallArg key(win::HKEY key);
    const std::string& text() const { return text_; }

private:
    struct Raw {};
    CallArg(Raw, std::string text) : text_(std::move(text)) {}
    static std::string number(std::int64_t value, bool isSigned);
    std::string text_;
};

class CallLog {
public:
    void add(const char* name, std::initializer_list<CallArg> args);
    const std::vector<std::string>& lines() const { return lines_; }
    void clear() { lines_.clear(); }

private:
    std::vector<std::string> lines_;
};

// "HKEY_CURRENT_USER" for the predefined roots, "" for any other handle.
std::string rootKeyName(win::HKEY key);

} // namespace fake
