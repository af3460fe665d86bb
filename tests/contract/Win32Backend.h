// The real Windows as a contract backend: the Windows calls and the runtime
// services of the program itself, with a scratch folder on drive C: and the
// scratch registry key HKEY_CURRENT_USER\Software\DecoramaContract, both emptied
// when the backend is made and removed when it goes. Runs under Wine in the tests.
#pragma once

#include "platform/win32/RegistryTree.h"
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Runtime.h"

#include <filesystem>
#include <string>
#include <system_error>

class Win32Backend {
public:
    static constexpr bool isReal = true;

    Win32Backend() {
        clean();
        std::filesystem::create_directories(folder_);
    }
    ~Win32Backend() { clean(); }
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    win::WindowsApi& api() { return api_; }
    rt::Runtime& runtime() { return runtime_; }
    std::string scratchFolder() { return folder_; }

private:
    void clean() {
        // A read-only file would survive the removal: make everything writable first.
        std::error_code ignored;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder_, ignored)) {
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add, ignored);
        }
        std::filesystem::remove_all(folder_, ignored);
        win32::deleteKeyTree(win::HKEY_CURRENT_USER, "Software\\DecoramaContract");
    }

    const std::string folder_ = "C:\\DecoramaContract";
    win32::Win32Api api_;
    win32::Win32Runtime runtime_;
};
