// What an aspect of a theme-file apply overwrote, kept as it writes so that a
// failing write puts all of it back: a scoped holder whose end runs the steps
// kept, the last first, unless the aspect committed. A step that fails in turn is
// passed over; the next one still runs.
#pragma once

#include "platform/WinTypes.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace win {
class WindowsApi;
}

namespace themeapply {

class Undo {
public:
    explicit Undo(win::WindowsApi& api) : api_(api) {}
    ~Undo();
    Undo(const Undo&) = delete;
    Undo& operator=(const Undo&) = delete;

    // Keeps a registry value as it is now, its type and bytes or that there is
    // none, to write it back or delete it. Returns its text when it is one.
    std::optional<std::string> keepValue(win::HKEY root, const std::string& key, const std::string& name);
    // Any other way back.
    void add(std::function<void()> step) { steps_.push_back(std::move(step)); }
    // All written: nothing to put back.
    void commit() { steps_.clear(); }

private:
    win::WindowsApi& api_;
    std::vector<std::function<void()>> steps_;
};

} // namespace themeapply
