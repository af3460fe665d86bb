// The registry units, the mouse's acceleration triple, the version record and tag
// against each backend: what GetRegValue, SetRegValue and CreateKey store and read back,
// and a mouse speed written with its thresholds kept, on the real Windows must
// hold on the fake too. The Wine runs name the Windows version they play in
// DECORAMA_WINE_VERSION; without it the version test is skipped.
#include "Backends.h"

#include "fake/VersionProfiles.h"
#include "system/CustomRegistry.h"
#include "system/Mouse.h"
#include "system/clsRegistry.h"
#include "system/modWinVersion.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char* const ScratchKey = "Software\\DecoramaContract\\System";
const std::string ScratchPath = std::string("HKEY_CURRENT_USER\\") + ScratchKey;

template <class Backend> class SystemLibraryContract : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(keys.CreateKey(ScratchKey, "", win::HKEY_CURRENT_USER), 0); }
    void TearDown() override {
        keys.DeleteKey(win::HKEY_CURRENT_USER, std::string(ScratchKey) + "\\Created");
        EXPECT_EQ(keys.DeleteKey(win::HKEY_CURRENT_USER, ScratchKey), 0);
    }

    Backend backend;
    RecordingMessages messages;
    sys::CustomRegistry registry{backend.api(), messages, "Decorama"};
    sys::clsRegistry keys{backend.api()};
};

TYPED_TEST_SUITE(SystemLibraryContract, ContractBackends);

TYPED_TEST(SystemLibraryContract, StringsReadBackAsWrittenAndMissingOnesAsError) {
    this->registry.SetRegValue(ScratchPath, "Wallpaper", "C:\\Decorama\\Wall paper.bmp");
    EXPECT_EQ(this->registry.GetRegValue(ScratchPath, "Wallpaper"), "C:\\Decorama\\Wall paper.bmp");

    this->registry.SetRegValue(ScratchPath, "", "default text");
    EXPECT_EQ(this->registry.GetRegValue(ScratchPath, ""), "default text");

    this->registry.SetRegValue(ScratchPath, "Empty", "");
    EXPECT_EQ(this->registry.GetRegValue(ScratchPath, "Empty"), "");
    // Leading blanks are lost, trailing ones kept.
    this->registry.SetRegValue(ScratchPath, "Spaced", "  two each  ");
    EXPECT_EQ(this->registry.GetRegValue(ScratchPath, "Spaced"), "two each  ");
    EXPECT_EQ(this->registry.GetRegValue(ScratchPath, "NoSuchValue"), "Error");
    EXPECT_EQ(this->registry.GetRegValue(ScratchPath + "\\NoSuchKey", ""), "Error");
    EXPECT_TRUE(this->messages.prompts.empty());
}

TYPED_TEST(SystemLibraryContract, Reads254CharactersButNot255AndZeroBytesAsTheEmptyText) {
    const std::string fits(254, 'f');
    const std::string tooLong(255, 't');
    this->registry.SetRegValue(ScratchPath, "Fits", fits);
    this->registry.SetRegValue(ScratchPath, "TooLong", tooLong);

    EXPECT_EQ(this->registry.GetRegValue(ScratchPath, "Fits"), fits);
    EXPECT_EQ(this->registry.GetRegValue(ScratchPath, "TooLong"), "Error");

    // The long value was stored whole: the limit is the reader's.
    ASSERT_EQ(this->keys.QueryKeyValue(ScratchKey, "TooLong", win::HKEY_CURRENT_USER), 0);
    EXPECT_EQ(this->keys.StringKeyValue(), tooLong);
    // A string of zero bytes reads as the empty text.
    win::WindowsApi& api = this->backend.api();
    win::HKEY key = 0;
    ASSERT_EQ(api.RegOpenKeyExA(win::HKEY_CURRENT_USER, ScratchKey, 0, win::KEY_WRITE, &key), 0);
    ASSERT_EQ(api.RegSetValueExA(key, "Bare", 0, win::REG_SZ, reinterpret_cast<const win::BYTE*>(""), 0), 0);
    api.RegCloseKey(key);

    EXPECT_EQ(this->registry.GetRegValue(ScratchPath, "Bare"), "");
}

TYPED_TEST(SystemLibraryContract, SetRegValueNeedsCreateKeyFirstAndAMalformedPathIsReported) {
    const std::string created = ScratchPath + "\\Created";
    this->registry.SetRegValue(created, "Value", "text");
    EXPECT_EQ(this->registry.GetRegValue(created, "Value"), "Error");

    ASSERT_EQ(this->keys.CreateKey(std::string(ScratchKey) + "\\", "Created", win::HKEY_CURRENT_USER), 0);
    this->registry.SetRegValue(created, "Value", "text");
    EXPECT_EQ(this->registry.GetRegValue(created, "Value"), "text");

    // Creating it again opens it and leaves the value alone.
    EXPECT_EQ(this->keys.CreateKey(std::string(ScratchKey) + "\\Created\\", "", win::HKEY_CURRENT_USER), 0);
    EXPECT_EQ(this->registry.GetRegValue(created, "Value"), "text");
    // A malformed path is reported and touches nothing.
    this->registry.SetRegValue(ScratchPath + "\\", "Value", "text");
    EXPECT_EQ(this->registry.GetRegValue(ScratchPath + "\\", "Value"), "");
    ASSERT_EQ(this->messages.prompts.size(), 2u);
    EXPECT_EQ(this->messages.prompts[0], "Incorrect Format:\n\n" + ScratchPath + "\\");
    EXPECT_EQ(this->registry.GetRegValue(ScratchPath, "Value"), "Error");
}

TYPED_TEST(SystemLibraryContract, MouseSpeedKeepsTheThresholdsAndIsRestored) {
    sys::Mouse mouse(this->backend.api());
    const std::int32_t first = mouse.MouseThreshHold1(), second = mouse.MouseThreshHold2(),
                       speed = mouse.MouseSpeed();
    const std::int32_t other = speed == 2 ? 1 : 2;
    mouse.MouseSpeed(other);
    EXPECT_EQ(mouse.MouseSpeed(), other);
    EXPECT_EQ(mouse.MouseThreshHold1(), first);
    EXPECT_EQ(mouse.MouseThreshHold2(), second);
    mouse.MouseSpeed(speed);
    EXPECT_EQ(mouse.MouseSpeed(), speed);
}

// GetVersionExA fills the 148-byte record, and refuses one whose size field is
// wrong with ERROR_INSUFFICIENT_BUFFER, leaving it as it was.
TYPED_TEST(SystemLibraryContract, GetVersionExFillsTheBasicRecordAndRefusesAWrongSize) {
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
    for (win::DWORD size : {win::DWORD{0}, win::DWORD{147}, win::DWORD{150}}) {
        std::memset(&info, 0xAB, sizeof info);
        info.dwOSVersionInfoSize = size;
        win::OSVERSIONINFOA before = info;
        this->backend.api().SetLastError(0);
        EXPECT_FALSE(this->backend.api().GetVersionExA(&info)) << "size " << size;
        EXPECT_EQ(win::ERROR_INSUFFICIENT_BUFFER, this->backend.api().GetLastError()) << "size " << size;
        EXPECT_EQ(0, std::memcmp(&before, &info, sizeof info)) << "size " << size;
    }
}

struct WineVersion {
    const char* played;    // DECORAMA_WINE_VERSION
    fake::Version profile; // what the fake plays for it
    const char* tag;
    win::DWORD platformId;
    win::DWORD major;
};

const WineVersion wineVersions[] = {
    {"win95", fake::Version::Win95, "95", win::VER_PLATFORM_WIN32_WINDOWS, 4},
    {"win98", fake::Version::Win98SE, "98", win::VER_PLATFORM_WIN32_WINDOWS, 4},
    {"winme", fake::Version::WinME, "ME", win::VER_PLATFORM_WIN32_WINDOWS, 4},
    {"nt40", fake::Version::NT4, "NT", win::VER_PLATFORM_WIN32_NT, 4},
    {"win2k", fake::Version::Win2000, "2000", win::VER_PLATFORM_WIN32_NT, 5},
    {"winxp", fake::Version::WinXP, "2000", win::VER_PLATFORM_WIN32_NT, 5},
    {"win7", fake::Version::Vista, "", win::VER_PLATFORM_WIN32_NT, 6},
};

TYPED_TEST(SystemLibraryContract, GetWinVersionNamesTheVersionPlayed) {
    const char* played = std::getenv("DECORAMA_WINE_VERSION");
    if (played == nullptr)
        GTEST_SKIP() << "DECORAMA_WINE_VERSION is not set";
    const auto found = std::find_if(std::begin(wineVersions), std::end(wineVersions),
                                    [&](const WineVersion& v) { return std::string(v.played) == played; });
    ASSERT_NE(found, std::end(wineVersions)) << "unknown Windows version " << played;
    const WineVersion& expected = *found;

    // The fake plays the same version as the Windows under test.
    if constexpr (!TypeParam::isReal)
        this->backend.fake().useVersion(expected.profile);
    win::WindowsApi& api = this->backend.api();

    EXPECT_EQ(sys::GetWinVersion(api), expected.tag) << played;

    if (TypeParam::isReal) {
        win::OSVERSIONINFOA record{};
        record.dwOSVersionInfoSize = sizeof record;
        ASSERT_NE(api.GetVersionExA(&record), win::FALSE);
        EXPECT_EQ(record.dwPlatformId, expected.platformId) << played;
        EXPECT_EQ(record.dwMajorVersion, expected.major) << played;
    }
}

} // namespace
