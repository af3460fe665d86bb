// Functions looked up by name when first needed instead of imported: a program that
// imports a function its Windows does not export does not load at all (Windows 95
// lacks GlobalMemoryStatusEx, GetComputerNameExA and the power requests of 98/2000,
// and shdocvw and the setup toolkit's library may be missing altogether).
// Include after <windows.h>.
#pragma once

namespace win32 {

// The address of name in module, or null when the library or the function is
// missing. Loading is silent: Windows 95 would otherwise show its "file not found"
// box for a missing library.
template <typename Fn> Fn lateBound(const char* module, const char* name) {
    const UINT previousMode = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE library = ::LoadLibraryA(module);
    ::SetErrorMode(previousMode);
    if (library == nullptr) {
        return nullptr;
    }
    // Through the generic function pointer type, which converts to any other one.
    using Generic = void (*)();
    return reinterpret_cast<Fn>(reinterpret_cast<Generic>(::GetProcAddress(library, name)));
}

// What a missing function leaves behind: ERROR_CALL_NOT_IMPLEMENTED, the code that
// Windows itself gives for a call its version does not offer.
inline void notImplemented() {
    ::SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
}

} // namespace win32
