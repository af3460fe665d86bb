// What the program relies on of the advapi32 registry calls, held against every
// backend. Each test works below the scratch key
// HKEY_CURRENT_USER\Software\DecoramaContract, made fresh in SetUp and removed
// in TearDown (as Wine's registry tests do with setup_main_key). Buffers are filled with sentinel
// bytes and the last error is seeded, to see what a call leaves alone.
#include "Backends.h"

#include <cstring>
#include <string>

namespace {

constexpr win::REGSAM AllKeyRights = 0x3F;
constexpr win::LONG NotFound = win::ERROR_FILE_NOT_FOUND, MoreData = win::ERROR_MORE_DATA,
                    InvalidParameter = win::ERROR_INVALID_PARAMETER, AccessDenied = win::ERROR_ACCESS_DENIED,
                    InvalidHandle = win::ERROR_INVALID_HANDLE;
const char* const ScratchPath = "Software\\DecoramaContract";
// Every key the tests make below the scratch key, deepest first.
const char* const ScratchChildren[] = {"Sub\\Deeper", "Sub", "Other"};

template <class Backend> class RegistryContract : public ::testing::Test {
protected:
    void SetUp() override {
        removeScratchTree();
        win::DWORD disposition = 0;
        ASSERT_EQ(0, api().RegCreateKeyExA(win::HKEY_CURRENT_USER, ScratchPath, 0, nullptr,
                                           win::REG_OPTION_NON_VOLATILE, AllKeyRights, nullptr, &scratch,
                                           &disposition));
        ASSERT_EQ(win::REG_CREATED_NEW_KEY, disposition);
    }

    void TearDown() override {
        api().RegCloseKey(scratch);
        removeScratchTree();
    }

    void removeScratchTree() {
        for (const char* child : ScratchChildren)
            api().RegDeleteKeyA(win::HKEY_CURRENT_USER, (std::string(ScratchPath) + "\\" + child).c_str());
        api().RegDeleteKeyA(win::HKEY_CURRENT_USER, ScratchPath);
    }

    win::WindowsApi& api() { return backend.api(); }

    // NT keeps registry security and a strict path syntax; the 95 family has neither.
    bool isNtFamily() {
        win::OSVERSIONINFOA info{};
        info.dwOSVersionInfoSize = sizeof info;
        return api().GetVersionExA(&info) && info.dwPlatformId == win::VER_PLATFORM_WIN32_NT;
    }

    win::LONG setString(win::HKEY key, const char* name, const std::string& text) {
        return api().RegSetValueExA(key, name, 0, win::REG_SZ,
                                    reinterpret_cast<const win::BYTE*>(text.c_str()),
                                    static_cast<win::DWORD>(text.size() + 1));
    }

    win::LONG query(win::HKEY key, const char* name, void* buffer, win::DWORD* size,
                    win::DWORD* type = nullptr) {
        return api().RegQueryValueExA(key, name, nullptr, type, static_cast<win::BYTE*>(buffer), size);
    }

    win::LONG create(const char* subKey, win::HKEY* key, win::DWORD* disposition = nullptr) {
        win::DWORD ignored = 0;
        return api().RegCreateKeyExA(scratch, subKey, 0, nullptr, win::REG_OPTION_NON_VOLATILE, AllKeyRights,
                                     nullptr, key, disposition ? disposition : &ignored);
    }

    Backend backend;
    win::HKEY scratch = 0;
};

TYPED_TEST_SUITE(RegistryContract, ContractBackends);

TYPED_TEST(RegistryContract, CreateMakesEveryMissingLevelThenOpensItAgain) {
    win::HKEY deeper = 0, sub = 0, again = 0;
    win::DWORD disposition = 0;
    ASSERT_EQ(0, this->create("Sub\\Deeper", &deeper, &disposition));
    EXPECT_EQ(win::REG_CREATED_NEW_KEY, disposition);
    EXPECT_NE(0u, deeper);
    ASSERT_EQ(0, this->api().RegOpenKeyExA(this->scratch, "Sub", 0, win::KEY_READ, &sub));
    // The program's key paths end with a backslash ("...\SystemStart\.Current\").
    ASSERT_EQ(0,
              this->api().RegCreateKeyExA(win::HKEY_CURRENT_USER, "Software\\DecoramaContract\\Sub\\Deeper\\",
                                          0, nullptr, 0, AllKeyRights, nullptr, &again, &disposition));
    EXPECT_EQ(win::REG_OPENED_EXISTING_KEY, disposition);
    EXPECT_NE(deeper, again);
    for (win::HKEY key : {deeper, sub, again})
        EXPECT_EQ(0, this->api().RegCloseKey(key));
}

// NT refuses a leading backslash with ERROR_BAD_PATHNAME; the 95 family's
// RegCreateKeyExA skips it.
TYPED_TEST(RegistryContract, LeadingBackslashesKeysWithSubKeysAndAccessRightsFollowTheWindowsFamily) {
    win::HKEY key = 0;
    win::DWORD disposition = 0;
    const win::LONG status =
        this->api().RegCreateKeyExA(win::HKEY_CURRENT_USER, "\\Software\\DecoramaContract", 0, nullptr, 0,
                                    AllKeyRights, nullptr, &key, &disposition);
    if (this->isNtFamily()) {
        EXPECT_EQ(161, status);
    } else {
        ASSERT_EQ(0, status);
        EXPECT_EQ(win::REG_OPENED_EXISTING_KEY, disposition);
        this->api().RegCloseKey(key);
    }
    // The 95 family deletes a key with sub-keys whole; NT refuses with
    // ERROR_ACCESS_DENIED and keeps the key. Either way the outcome must match the status.
    win::HKEY deeper = 0;
    ASSERT_EQ(0, this->create("Sub\\Deeper", &deeper));
    this->api().RegCloseKey(deeper);

    const win::LONG deleted = this->api().RegDeleteKeyA(this->scratch, "Sub");
    ASSERT_TRUE(deleted == 0 || deleted == AccessDenied) << deleted;
    win::HKEY sub = 0;
    const win::LONG open = this->api().RegOpenKeyExA(this->scratch, "Sub\\Deeper", 0, win::KEY_READ, &sub);
    if (deleted == 0) {
        EXPECT_EQ(NotFound, open);
    } else {
        EXPECT_EQ(0, open);
        this->api().RegCloseKey(sub);
    }
    // NT holds a handle to the rights it was opened with; the 95 family has no
    // registry security and lets any handle read and write.
    ASSERT_EQ(0, this->setString(this->scratch, "Value", "x"));
    win::HKEY reader = 0, writer = 0;
    ASSERT_EQ(0, this->api().RegOpenKeyExA(win::HKEY_CURRENT_USER, ScratchPath, 0, win::KEY_READ, &reader));
    ASSERT_EQ(0, this->api().RegOpenKeyExA(win::HKEY_CURRENT_USER, ScratchPath, 0, win::KEY_WRITE, &writer));
    const win::LONG refused = this->isNtFamily() ? AccessDenied : 0;

    EXPECT_EQ(refused, this->setString(reader, "Value", "by reader"));
    char buffer[16] = {};
    win::DWORD size = sizeof buffer;
    EXPECT_EQ(refused, this->query(writer, "Value", buffer, &size));
    EXPECT_EQ(0, this->setString(writer, "Value", "by writer"));
    size = sizeof buffer;
    EXPECT_EQ(0, this->query(reader, "Value", buffer, &size));
    EXPECT_STREQ("by writer", buffer);
    this->api().RegCloseKey(reader);
    this->api().RegCloseKey(writer);
}

TYPED_TEST(RegistryContract, StringsFillExactlyTheValueAndItsNulAndDwordsRoundTrip) {
    const std::string text = "C:\\WINDOWS\\Forest Green.bmp";
    ASSERT_EQ(0, this->setString(this->scratch, "Wallpaper", text));

    char buffer[64];
    std::memset(buffer, '#', sizeof buffer);
    win::DWORD type = 99;
    win::DWORD size = sizeof buffer;
    ASSERT_EQ(0, this->query(this->scratch, "Wallpaper", buffer, &size, &type));
    EXPECT_EQ(win::REG_SZ, type);
    EXPECT_EQ(text.size() + 1, size);
    EXPECT_EQ(text, std::string(buffer));
    EXPECT_EQ('#', buffer[text.size() + 1]);
    // DWORDs, the top bit included.
    for (win::DWORD value :
         {win::DWORD{0}, win::DWORD{900}, win::DWORD{0x80000000u}, win::DWORD{0xFFFFFFFFu}}) {
        ASSERT_EQ(0, this->api().RegSetValueExA(this->scratch, "ScreenSaveTimeOut", 0, win::REG_DWORD,
                                                reinterpret_cast<const win::BYTE*>(&value), sizeof value));
        win::DWORD read = 0x5A5A5A5A;
        type = 99;
        size = sizeof read;
        ASSERT_EQ(0, this->query(this->scratch, "ScreenSaveTimeOut", &read, &size, &type));
        EXPECT_EQ(win::REG_DWORD, type);
        EXPECT_EQ(4u, size);
        EXPECT_EQ(value, read);
    }
}

TYPED_TEST(RegistryContract, AShortBufferGetsMoreDataTheSizeNeededAndNothingWritten) {
    const std::string text = "ZUVEZI~1.WAV";
    ASSERT_EQ(0, this->setString(this->scratch, "Sound", text));
    for (win::DWORD offered : {win::DWORD{0}, win::DWORD{3}, static_cast<win::DWORD>(text.size())}) {
        char buffer[32];
        std::memset(buffer, '#', sizeof buffer);
        win::DWORD size = offered;
        win::DWORD type = 99;
        this->api().SetLastError(0xBEEF);
        EXPECT_EQ(MoreData, this->query(this->scratch, "Sound", buffer, &size, &type))
            << "offered " << offered;
        EXPECT_EQ(text.size() + 1, size);
        EXPECT_EQ(std::string(sizeof buffer, '#'), std::string(buffer, sizeof buffer));
        EXPECT_EQ(0xBEEFu, this->api().GetLastError());
    }
}

TYPED_TEST(RegistryContract, TheDefaultValueAnswersToTheEmptyAndTheNullNameAndNamesIgnoreCase) {
    win::DWORD size = 0;
    EXPECT_EQ(NotFound, this->query(this->scratch, nullptr, nullptr, &size));

    ASSERT_EQ(0, this->setString(this->scratch, "", "empty name"));
    char buffer[32] = {};
    size = sizeof buffer;
    ASSERT_EQ(0, this->query(this->scratch, nullptr, buffer, &size));
    EXPECT_STREQ("empty name", buffer);

    ASSERT_EQ(0, this->setString(this->scratch, nullptr, "null name"));
    size = sizeof buffer;
    ASSERT_EQ(0, this->query(this->scratch, "", buffer, &size));
    EXPECT_STREQ("null name", buffer);
    // Key and value names ignore case.
    ASSERT_EQ(0, this->setString(this->scratch, "MixedCase", "one"));
    ASSERT_EQ(0, this->setString(this->scratch, "MIXEDCASE", "two"));
    size = sizeof buffer;
    ASSERT_EQ(0, this->query(this->scratch, "mixedcase", buffer, &size));
    EXPECT_STREQ("two", buffer);

    win::HKEY sub = 0;
    ASSERT_EQ(0, this->create("Sub", &sub));
    this->api().RegCloseKey(sub);
    ASSERT_EQ(0, this->api().RegOpenKeyExA(win::HKEY_CURRENT_USER, "SOFTWARE\\decoramacontract\\sUB", 0,
                                           win::KEY_READ, &sub));
    this->api().RegCloseKey(sub);
}

TYPED_TEST(RegistryContract, MissingAndDeletedKeysAndValuesAreFileNotFound) {
    win::HKEY key = 0x1234;
    EXPECT_EQ(NotFound, this->api().RegOpenKeyExA(this->scratch, "Missing", 0, win::KEY_READ, &key));
    EXPECT_EQ(0u, key);
    ASSERT_EQ(0, this->setString(this->scratch, "Gone", "x"));
    ASSERT_EQ(0, this->api().RegDeleteValueA(this->scratch, "GONE"));
    win::DWORD size = 0;
    EXPECT_EQ(NotFound, this->query(this->scratch, "Gone", nullptr, &size));
    EXPECT_EQ(NotFound, this->api().RegDeleteValueA(this->scratch, "Gone"));

    win::HKEY other = 0;
    ASSERT_EQ(0, this->create("Other", &other));
    this->api().RegCloseKey(other);
    ASSERT_EQ(0, this->api().RegDeleteKeyA(this->scratch, "Other"));
    EXPECT_EQ(NotFound, this->api().RegOpenKeyExA(this->scratch, "Other", 0, win::KEY_READ, &other));
    EXPECT_EQ(NotFound, this->api().RegDeleteKeyA(this->scratch, "Other"));
}

// The 95 family deletes the whole subtree; NT refuses with ERROR_ACCESS_DENIED
// and keeps the key. Either way the outcome must match the status.
// NT holds a handle to the rights it was opened with; the 95 family has no
// registry security and lets any handle read and write.
// The snapshot walks HKCU\AppEvents\Schemes\Apps this way: names in the order of
// their upper-case letters, a short buffer refused, the end told.
TYPED_TEST(RegistryContract, SubKeysAreEnumeratedByNameUntilNoMoreItems) {
    for (const char* child : {"Sub", "Other"}) {
        win::HKEY made = 0;
        ASSERT_EQ(0, this->api().RegCreateKeyExA(this->scratch, child, 0, nullptr, 0, AllKeyRights, nullptr,
                                                 &made, nullptr));
        this->api().RegCloseKey(made);
    }
    char name[8] = "xxxxxxx";
    EXPECT_EQ(MoreData, this->api().RegEnumKeyA(this->scratch, 0, name, 5));
    for (const char* expected : {"Other", "Sub"}) {
        const win::DWORD index = expected[0] == 'O' ? 0 : 1;
        ASSERT_EQ(0, this->api().RegEnumKeyA(this->scratch, index, name, sizeof name));
        EXPECT_STREQ(expected, name);
    }
    EXPECT_EQ(static_cast<win::LONG>(win::ERROR_NO_MORE_ITEMS),
              this->api().RegEnumKeyA(this->scratch, 2, name, sizeof name));
}

} // namespace
