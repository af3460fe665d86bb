// The desktop icons: six roles in colour sets ("Pearl Computer.ico"), drawn on
// a 32-unit grid and rendered at 32x32 or 16x16.
#pragma once

#include "Canvas.h"

#include <string>

namespace samplegen {

// Throws for an unknown set or role.
Canvas iconPicture(const std::string& set, const std::string& role, int size);

} // namespace samplegen
