#include "fake/CursorStore.h"

namespace fake {

namespace {
constexpr win::DWORD ERROR_INVALID_CURSOR_HANDLE = 1402;
}

bool CursorStore::isCursorImage(const std::string& bytes) {
    const bool staticCursor = bytes.size() >= 4 && bytes.compare(0, 4, std::string("\0\0\2\0", 4)) == 0;
    const bool animated =
        bytes.size() >= 12 && bytes.compare(0, 4, "RIFF") == 0 && bytes.compare(8, 4, "ACON") == 0;
    return staticCursor || animated;
}

// The OCR_ identifiers SetSystemCursor knows (winuser.h).
bool CursorStore::isSystemCursorId(win::DWORD id) {
    switch (id) {
    case 32512: // OCR_NORMAL
    case 32513: // OCR_IBEAM
    case 32514: // OCR_WAIT
    case 32515: // OCR_CROSS
    case 32516: // OCR_UP
    case 32640: // OCR_SIZE
    case 32641: // OCR_ICON
    case 32642: // OCR_SIZENWSE
    case 32643: // OCR_SIZENESW
    case 32644: // OCR_SIZEWE
    case 32645: // OCR_SIZENS
    case 32646: // OCR_SIZEALL
    case 32647: // OCR_ICOCUR
    case 32648: // OCR_NO
    case 32649: // OCR_HAND
    case 32650: // OCR_APPSTARTING
    case 32651: // OCR_HELP
        return true;
    default:
        return false;
    }
}

win::HCURSOR CursorStore::load(const std::string& file) {
    const win::HCURSOR handle = next_;
    next_ += 0x10;
    loaded_[handle] = file;
    return handle;
}

bool CursorStore::replace(win::HCURSOR cursor, win::DWORD id, win::DWORD& error) {
    const auto it = loaded_.find(cursor);
    const std::string file = it == loaded_.end() ? "" : it->second;
    if (it == loaded_.end()) {
        error = ERROR_INVALID_CURSOR_HANDLE;
    } else if (!isSystemCursorId(id)) {
        error = win::ERROR_INVALID_PARAMETER;
    } else {
        error = win::ERROR_SUCCESS;
        system_[id] = file;
        loaded_.erase(it);
    }
    calls.push_back(CursorCall{id, file, error == win::ERROR_SUCCESS});
    return error == win::ERROR_SUCCESS;
}

std::string CursorStore::systemCursorFile(win::DWORD id) const {
    const auto it = system_.find(id);
    return it == system_.end() ? "" : it->second;
}

} // namespace fake
