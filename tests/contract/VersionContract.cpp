// What the program relies on of GetVersionExA, held against every backend: the
// 148-byte record is filled, and a record whose size field is wrong is refused
// with ERROR_INSUFFICIENT_BUFFER and left as it was.
#include "Backends.h"

#include <cstring>

namespace {

template <class Backend> class VersionContract : public ::testing::Test {
protected:
    Backend backend;
};

TYPED_TEST_SUITE(VersionContract, ContractBackends);

TYPED_TEST(VersionContract, TheBasicRecordIsFilled) {
    win::OSVERSIONINFOA info;
    std::memset(&info, 0xAB, sizeof info);
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_EQ(148u, sizeof info);
    ASSERT_TRUE(this->backend.api().GetVersionExA(&info));
    EXPECT_EQ(148u, info.dwOSVersionInfoSize);
    EXPECT_TRUE(info.dwPlatformId == win::VER_PLATFORM_WIN32_WINDOWS ||
                info.dwPlatformId == win::VER_PLATFORM_WIN32_NT)
        << info.dwPlatformId;
    EXPECT_GE(info.dwMajorVersion, 3u);
    EXPECT_LT(info.dwMajorVersion, 100u);
    EXPECT_LT(info.dwMinorVersion, 100u);
    EXPECT_NE(nullptr, std::memchr(info.szCSDVersion, '\0', sizeof info.szCSDVersion));
    if (info.dwPlatformId == win::VER_PLATFORM_WIN32_WINDOWS) {
        // The 95 family repeats major.minor in the high word of the build number.
        EXPECT_EQ(info.dwMajorVersion, info.dwBuildNumber >> 24);
        EXPECT_EQ(info.dwMinorVersion, (info.dwBuildNumber >> 16) & 0xFF);
    }
}

TYPED_TEST(VersionContract, AWrongSizeIsRefusedAndTheRecordLeftAlone) {
    for (win::DWORD size : {win::DWORD{0}, win::DWORD{147}, win::DWORD{150}}) {
        win::OSVERSIONINFOA info;
        std::memset(&info, 0xAB, sizeof info);
        info.dwOSVersionInfoSize = size;
        win::OSVERSIONINFOA before = info;
        this->backend.api().SetLastError(0);
        EXPECT_FALSE(this->backend.api().GetVersionExA(&info)) << "size " << size;
        EXPECT_EQ(win::ERROR_INSUFFICIENT_BUFFER, this->backend.api().GetLastError()) << "size " << size;
        EXPECT_EQ(0, std::memcmp(&before, &info, sizeof info)) << "size " << size;
    }
}

} // namespace
