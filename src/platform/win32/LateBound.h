// Functions looked up by name when first needed instead of imported: a program that
// imports a function its Windows does not export does not load at all (Windows 95
// lacks GlobalMemoryStatusEx, GetComputerNameExA and the power requests of 98/2000,
// and shdocvw and the setup toolkit's library may be missing altogether).
// Include after <windows.h>.
#pragma once

#include <utility>

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

// One function of a library, looked up when the object is made; a call site
// keeps it in a function-local static, so the look-up happens at the first call:
//
//     static const LateFunction<GetComputerNameExAFn> function("kernel32.dll", "GetComputerNameExA");
//     return function.callOr(FALSE, format, buffer, size);
template <typename Fn> class LateFunction {
public:
    LateFunction(const char* module, const char* name) : function_(lateBound<Fn>(module, name)) {}

    bool present() const { return function_ != nullptr; }

    // The function's own result; where it is missing, `missing` (the failure
    // value of its return convention: FALSE, 0, a null handle or an HRESULT)
    // with notImplemented() as the thread's last error.
    template <typename Missing, typename... Args>
    auto callOr(Missing missing, Args&&... args) const -> decltype(std::declval<Fn>()(args...)) {
        if (function_ == nullptr) {
            notImplemented();
            return missing;
        }
        return function_(std::forward<Args>(args)...);
    }

    // A function without a result: where it is missing, nothing happens.
    template <typename... Args> void callIfPresent(Args&&... args) const {
        if (function_ != nullptr)
            function_(std::forward<Args>(args)...);
    }

    // A function present() said is there.
    template <typename... Args>
    auto operator()(Args&&... args) const -> decltype(std::declval<Fn>()(args...)) {
        return function_(std::forward<Args>(args)...);
    }

private:
    Fn function_;
};

} // namespace win32
