#include "fake/CursorStore.h"

#include "platform/WinFacts.h"

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

// The system cursors SetSystemCursor can replace.
bool CursorStore::isSystemCursorId(win::DWORD id) {
    using namespace win;
    for (win::DWORD known : {OCR_NORMAL, OCR_IBEAM, OCR_WAIT, OCR_CROSS, OCR_UP, OCR_SIZENWSE, OCR_SIZENESW,
                             OCR_SIZEWE, OCR_SIZENS, OCR_SIZEALL, OCR_NO, OCR_HAND, OCR_APPSTARTING}) {
        if (id == known)
            return true;
    }
    return false;
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
