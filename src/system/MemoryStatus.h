// Memory load and the sizes of physical memory, page file and virtual address
// space, asked of Windows at every read. Windows 2000 reports 64-bit counts
// (GlobalMemoryStatusEx); a count beyond the 32-bit signed range fails with the
// overflow error rather than coming back wrapped.
#pragma once

#include "system/VersionGates.h"

#include <cstdint>

namespace win {
class WindowsApi;
}

namespace sys {

class MemoryStatus {
public:
    explicit MemoryStatus(win::WindowsApi& api);

    bool RaiseErrors = true;

    std::int32_t MemoryLoad(); // percent in use
    std::int32_t TotalPhysical();
    std::int32_t AvailablePhysical();
    std::int32_t TotalPageFile();
    std::int32_t AvailablePageFile();
    std::int32_t TotalVirtual();
    std::int32_t AvailableVirtual();
    // Windows 2000 only.
    std::int32_t AvailableExtendedVirtual();

private:
    // Refills the record of the running version; the extended one on Windows 2000.
    void refresh();
    std::int32_t count(win::DWORDLONG win::MEMORYSTATUSEX::*extended,
                       win::ULONG_PTR win::MEMORYSTATUS::*plain);

    win::WindowsApi& api_;
    const VersionGates gates_;
    win::MEMORYSTATUS plain_{};
    win::MEMORYSTATUSEX extended_{};
};

} // namespace sys
