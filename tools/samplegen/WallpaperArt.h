// The wallpapers of the collection: one procedural design per wallpaper name,
// at the size its name ends with ("800x600" or "1024x768").
#pragma once

#include "Canvas.h"

#include <string>

namespace samplegen {

// The wallpaper called name (a wallpaper list name, without ".bmp"); throws for
// a name without a design or without a size ending.
Canvas wallpaper(const std::string& name);

} // namespace samplegen
