// A catalogue colour (three decimal texts) in the two forms Windows gets: the
// COLORREF handed to SetSysColors and the text stored under Control Panel\Colors.
#pragma once

#include "platform/WinTypes.h"

#include <string>

namespace appearance {

// Each component is the number at the start of its text (0 when there is none),
// rounded half to even and kept within 0..255.
win::COLORREF schemeColorValue(const std::string& red, const std::string& green, const std::string& blue);

// The red text exactly as stored, then green and blue in their shortest decimal
// form, joined by commas: "255", "12.0", "7.6" give "255,12,7.6".
std::string schemeColorText(const std::string& red, const std::string& green, const std::string& blue);

} // namespace appearance
