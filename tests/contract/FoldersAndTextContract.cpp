// What the theme-file apply relies on of folders, file lists and code pages, held
// against every backend: CreateDirectoryA makes one level;
// the Windows and system folders come with their lengths; FilesIn lists the plain
// files of one extension; text converts to the ANSI code page (1252 here) and back,
// the default character told.
#include "Backends.h"

#include "platform/WinFacts.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

template <class Backend> class FoldersAndTextContract : public ::testing::Test {
protected:
    win::WindowsApi& api() { return backend.api(); }
    std::string path(const std::string& name) { return backend.scratchFolder() + "\\" + name; }

    Backend backend;
};

TYPED_TEST_SUITE(FoldersAndTextContract, ContractBackends);

TYPED_TEST(FoldersAndTextContract, CreateDirectoryMakesOneLevel) {
    win::WindowsApi& api = this->api();
    EXPECT_TRUE(api.CreateDirectoryA(this->path("Decorama").c_str(), nullptr));
    this->backend.runtime().writeFile(this->path("Decorama\\w.bmp"), "BM");
    EXPECT_FALSE(api.CreateDirectoryA(this->path("Decorama").c_str(), nullptr));
    EXPECT_EQ(api.GetLastError(), win::ERROR_ALREADY_EXISTS);
    EXPECT_FALSE(api.CreateDirectoryA(this->path("none\\Decorama").c_str(), nullptr));
    EXPECT_EQ(api.GetLastError(), win::ERROR_PATH_NOT_FOUND);
}

TYPED_TEST(FoldersAndTextContract, TheWindowsAndSystemFoldersComeWithTheirLengths) {
    win::WindowsApi& api = this->api();
    for (auto call : {&win::WindowsApi::GetWindowsDirectoryA, &win::WindowsApi::GetSystemDirectoryA}) {
        char folder[260] = {};
        const win::UINT length = (api.*call)(folder, sizeof folder);
        ASSERT_GT(length, 3u);
        EXPECT_EQ(length, std::strlen(folder));
        EXPECT_EQ(std::string(folder).substr(1, 2), ":\\");
        EXPECT_FALSE(api.CreateDirectoryA(folder, nullptr)); // it is there
        char small[3] = {};
        EXPECT_EQ((api.*call)(small, sizeof small), length + 1);
    }
    char windows[260] = {}, system[260] = {};
    api.GetWindowsDirectoryA(windows, sizeof windows);
    api.GetSystemDirectoryA(system, sizeof system);
    EXPECT_EQ(std::string(system).rfind(std::string(windows) + "\\", 0), 0u) << system;
}

TYPED_TEST(FoldersAndTextContract, FilesInListsThePlainFilesOfOneExtension) {
    rt::Runtime& runtime = this->backend.runtime();
    for (const char* name : {"b.theme", "A Jungle.THEME", "c.theme.txt", "d.txt"})
        runtime.writeFile(this->path(name), "[Theme]");
    this->api().CreateDirectoryA(this->path("e.theme").c_str(), nullptr);
    EXPECT_EQ(runtime.FilesIn(this->backend.scratchFolder(), ".theme"),
              (std::vector<std::string>{"A Jungle.THEME", "b.theme"}));
    EXPECT_TRUE(runtime.FilesIn(this->path("none"), ".theme").empty());
}

TYPED_TEST(FoldersAndTextContract, TextConvertsToTheAnsiCodePageAndBack) {
    win::WindowsApi& api = this->api();
    const std::u16string text = u"Caf\u00e9 \u20ac";
    const int units = static_cast<int>(text.size());
    ASSERT_EQ(api.WideCharToMultiByte(win::CP_ACP, 0, text.data(), units, nullptr, 0, nullptr, nullptr), 6);
    char bytes[6] = {};
    win::BOOL usedDefault = win::TRUE;
    ASSERT_EQ(api.WideCharToMultiByte(win::CP_ACP, 0, text.data(), units, bytes, 6, nullptr, &usedDefault),
              6);
    EXPECT_EQ(std::string(bytes, 6), "Caf\xE9 \x80");
    EXPECT_FALSE(usedDefault);
    char16_t back[6] = {};
    ASSERT_EQ(api.MultiByteToWideChar(win::CP_ACP, 0, bytes, 6, back, 6), 6);
    EXPECT_EQ(std::u16string(back, 6), text);

    const char16_t cyrillic[] = u"\u0416";
    char byte = 0;
    EXPECT_EQ(api.WideCharToMultiByte(win::CP_ACP, 0, cyrillic, 1, &byte, 1, nullptr, &usedDefault), 1);
    EXPECT_EQ(byte, '?');
    EXPECT_TRUE(usedDefault);
}

} // namespace
