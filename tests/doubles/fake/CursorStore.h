// Cursors loaded from files and the system cursors they replace.
// LoadCursorFromFileA accepts a static cursor (.cur: reserved 0, type 2) or an
// animated one (a RIFF file of form "ACON"); SetSystemCursor takes the handle
// over (Windows destroys it), so one handle replaces one system cursor once.
#pragma once

#include "platform/WinTypes.h"
#include "fake/Records.h"

#include <map>
#include <string>
#include <vector>

namespace fake {

class CursorStore {
public:
    static bool isCursorImage(const std::string& bytes);
    static bool isSystemCursorId(win::DWORD id);

    win::HCURSOR load(const std::string& file);
    // False with the Windows error in error when the handle or id is refused.
    bool replace(win::HCURSOR cursor, win::DWORD id, win::DWORD& error);
    std::string systemCursorFile(win::DWORD id) const;

    std::vector<CursorCall> calls;

private:
    std::map<win::HCURSOR, std::string> loaded_;
    std::map<win::DWORD, std::string> system_;
    win::HCURSOR next_ = 0x10010;
};

} // namespace fake
