#include "fake/CallLog.h"

#include <utility>

namespace fake {

CallArg::CallArg(const char* text) : text_(text ? "\"" + std::string(text) + "\"" : "NULL") {}

CallArg::CallArg(const std::string& text) : text_("\"" + text + "\"") {}

std::string CallArg::number(std::int64_t value, bool isSigned) {
    if (isSigned)
        return std::to_string(value);
    return std::to_string(static_cast<std::uint64_t>(value));
}

CallArg CallArg::key(win::HKEY key) {
    const std::string name = rootKeyName(key);
    if (!name.empty())
        return CallArg(Raw{}, name);
    return CallArg(Raw{}, std::to_string(static_cast<std::uint64_t>(key)));
}

void CallLog::add(const char* name, std::initializer_list<CallArg> args) {
    std::string line = name;
    line += '(';
    bool first = true;
    for (const CallArg& arg : args) {
        if (!first)
            line += ", ";
        line += arg.text();
        first = false;
    }
    line += ')';
    lines_.push_back(std::move(line));
}

std::string rootKeyName(win::HKEY key) {
    static const struct {
        win::HKEY key;
        const char* name;
    } roots[] = {
        {win::HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"},
        {win::HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
        {win::HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},
        {win::HKEY_USERS, "HKEY_USERS"},
        {win::HKEY_PERFORMANCE_DATA, "HKEY_PERFORMANCE_DATA"},
        {win::HKEY_CURRENT_CONFIG, "HKEY_CURRENT_CONFIG"},
        {win::HKEY_DYN_DATA, "HKEY_DYN_DATA"},
    };
    for (const auto& root : roots) {
        if (root.key == key)
            return root.name;
    }
    return "";
}

} // namespace fake
