// The mouse cursors: fifteen roles in colour sets. A cursor file name is the set
// and the role, "Pearl Arrow.cur"; the two animated roles ("Working", "Busy")
// are .ani files whose first frame is also their " Static.cur" companion.
#pragma once

#include "Canvas.h"

#include <string>
#include <vector>

namespace samplegen {

struct CursorFrame {
    Canvas image{32, 32};
    int hotX = 0;
    int hotY = 0;
};

// The frames of a cursor role in a colour set: one frame for a still cursor,
// several for an animated one. Throws for an unknown set or role.
std::vector<CursorFrame> cursorFrames(const std::string& set, const std::string& role);
bool isAnimatedRole(const std::string& role);
bool isCursorSet(const std::string& set);

} // namespace samplegen
