// Checks of the real Windows backend that need Windows itself: the structures
// passing through, the late-bound functions, the runtime's mapping of Windows
// failures to the program's error numbers.
// Run under Wine for every Windows version the program supports.
#ifdef _WIN32

#include "Win32Backend.h"

#include "support/ErrorOf.h"
#include "runtime/Error.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

class Win32Smoke : public ::testing::Test {
protected:
    std::string scratch(const std::string& name) { return backend.scratchFolder() + "\\" + name; }

    Win32Backend backend;
    win::WindowsApi& api = backend.api();
    rt::Runtime& runtime = backend.runtime();
};

TEST_F(Win32Smoke, StructuresPassThroughUnchangedAndLateBoundFunctionsAnswer) {
    // Windows checks cbSize against the layout it knows: a wrong size fails the call.
    win::NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(api.SystemParametersInfoA(0x29 /* SPI_GETNONCLIENTMETRICS */, sizeof(metrics), &metrics, 0));
    EXPECT_GT(metrics.iCaptionHeight, 0);
    EXPECT_NE('\0', metrics.lfMessageFont.lfFaceName[0]);

    win::MEMORYSTATUS memory{};
    memory.dwLength = sizeof(memory);
    api.GlobalMemoryStatus(&memory);
    EXPECT_GT(memory.dwTotalPhys, 0u);
    // A late-bound function this Windows has answers.
    win::MEMORYSTATUSEX bigMemory{};
    bigMemory.dwLength = sizeof(bigMemory);
    ASSERT_TRUE(api.GlobalMemoryStatusEx(&bigMemory));
    EXPECT_GT(bigMemory.ullTotalPhys, 0u);
}

// Beyond the file contract, which holds copies, deletes, renames and reads on
// both backends.
TEST_F(Win32Smoke, WindowsFailuresBecomeProgramErrorNumbers) {
    runtime.writeFile(scratch("locked.sys"), "read-only");
    std::filesystem::permissions(scratch("locked.sys"),
                                 std::filesystem::perms::all ^ std::filesystem::perms::owner_write);
    EXPECT_EQ(76, errorOf([&] { runtime.readBytes(scratch("none\\x.txt"), 0, 1); }));
    EXPECT_EQ(75, errorOf([&] { runtime.writeFile(scratch("locked.sys"), "x"); }));
    EXPECT_EQ(53, errorOf([&] { runtime.Shell(scratch("none.exe"), 1); }));
    EXPECT_EQ(53, errorOf([&] { runtime.Shell("C:\\NoSuchFolder\\x.exe", 1); }));
    EXPECT_EQ("read-only", runtime.readFile(scratch("locked.sys")));
}

} // namespace

#endif // _WIN32
