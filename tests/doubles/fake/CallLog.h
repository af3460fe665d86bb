// The fake's record of every call made to it, one line per call written the way
// a reader of a test failure wants to see it: Name(arg, arg). Strings are quoted,
// null pointers read NULL, the predefined registry roots read by name, numbers
// are decimal. Out-parameters are left out.
#pragma once

#include "platform/WinFacts.h"

#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace fake {

using win::rootKeys;

class CallArg {
public:
    CallArg(const char* text) : text_(text ? "\"" + std::string(text) + "\"" : "NULL") {}
    CallArg(const std::string& text) : text_("\"" + text + "\"") {}
    CallArg(bool value) : text_(value ? "true" : "false") {}
    template <class T, class = std::enable_if_t<std::is_integral_v<T> || std::is_enum_v<T>>>
    CallArg(T value)
        : text_(std::is_signed_v<T> ? std::to_string(static_cast<std::int64_t>(value))
                                    : std::to_string(static_cast<std::uint64_t>(value))) {}
    CallArg(const void* pointer) : text_(pointer ? "ptr" : "NULL") {}
    static CallArg key(win::HKEY key) {
        CallArg arg(static_cast<std::uint64_t>(key));
        for (const auto& [root, name] : rootKeys)
            if (root == key)
                arg.text_ = name;
        return arg;
    }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

struct CallLog {
    void add(const char* name, std::initializer_list<CallArg> args) {
        std::string line = std::string(name) + '(';
        const char* separator = "";
        for (const CallArg& arg : args) {
            line += separator + arg.text();
            separator = ", ";
        }
        lines.push_back(line + ')');
    }
    std::vector<std::string> lines;
};

} // namespace fake
