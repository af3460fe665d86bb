#include "system/MemoryStatus.h"

#include "runtime/Error.h"
#include "platform/WindowsApi.h"
#include "system/SettingCalls.h"

#include <limits>

namespace sys {

namespace {

std::int32_t narrowed(std::uint64_t count) {
    if (count > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()))
        throw rt::Error(rt::ErrOverflow);
    return static_cast<std::int32_t>(count);
}

} // namespace

MemoryStatus::MemoryStatus(win::WindowsApi& api) : api_(api), gates_(api) {
    if (gates_.isWin2000())
        extended_.dwLength = sizeof extended_;
    else
        plain_.dwLength = sizeof plain_;
}

void MemoryStatus::refresh() {
    if (gates_.isWin2000())
        api_.GlobalMemoryStatusEx(&extended_);
    else
        api_.GlobalMemoryStatus(&plain_);
}

std::int32_t MemoryStatus::count(win::DWORDLONG win::MEMORYSTATUSEX::*extended,
                                 win::ULONG_PTR win::MEMORYSTATUS::*plain) {
    refresh();
    return narrowed(gates_.isWin2000() ? extended_.*extended : plain_.*plain);
}

std::int32_t MemoryStatus::MemoryLoad() {
    refresh();
    return static_cast<std::int32_t>(gates_.isWin2000() ? extended_.dwMemoryLoad : plain_.dwMemoryLoad);
}

std::int32_t MemoryStatus::TotalPhysical() {
    return count(&win::MEMORYSTATUSEX::ullTotalPhys, &win::MEMORYSTATUS::dwTotalPhys);
}
std::int32_t MemoryStatus::AvailablePhysical() {
    return count(&win::MEMORYSTATUSEX::ullAvailPhys, &win::MEMORYSTATUS::dwAvailPhys);
}
std::int32_t MemoryStatus::TotalPageFile() {
    return count(&win::MEMORYSTATUSEX::ullTotalPageFile, &win::MEMORYSTATUS::dwTotalPageFile);
}
std::int32_t MemoryStatus::AvailablePageFile() {
    return count(&win::MEMORYSTATUSEX::ullAvailPageFile, &win::MEMORYSTATUS::dwAvailPageFile);
}
std::int32_t MemoryStatus::TotalVirtual() {
    return count(&win::MEMORYSTATUSEX::ullTotalVirtual, &win::MEMORYSTATUS::dwTotalVirtual);
}
std::int32_t MemoryStatus::AvailableVirtual() {
    return count(&win::MEMORYSTATUSEX::ullAvailVirtual, &win::MEMORYSTATUS::dwAvailVirtual);
}

std::int32_t MemoryStatus::AvailableExtendedVirtual() {
    if (!admitted(gates_, win::VersionGate::Win2000, RaiseErrors, "MemoryStatus"))
        return 0;
    refresh();
    return narrowed(extended_.ullAvailExtendedVirtual);
}

} // namespace sys
