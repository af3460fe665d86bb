// What the settings library sees of the running Windows: every readable
// property of its seven newer classes, one line each, "Class.Property = value".
// Nothing is written to Windows.
#pragma once

#include <ostream>

namespace win {
class WindowsApi;
}

namespace sysreport {

// Booleans as True/False, numbers in decimal, texts as they are; "unsupported"
// where the running Windows lacks the member, "error N: description" for
// another error the member raised.
void writeReport(win::WindowsApi& api, std::ostream& out);

} // namespace sysreport
