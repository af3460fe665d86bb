// What the theme-file apply relies on of folders, file lists and code pages, held
// against every backend: CreateDirectoryA makes one level; the Windows and system
// folders come with their lengths; FilesIn lists the plain files of one extension;
// text converts to the ANSI code page (1252 here) and back, the default character
// told.
#include "Backends.h"

#include "platform/WinFacts.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

template <class Backend> class FoldersAndTextContract : public ::testing::Test {
protected:
    std::string path(const std::string& name) { return backend.scratchFolder() + "\\" + name; }
    Backend backend;
};

TYPED_TEST_SUITE(FoldersAndTextContract, ContractBackends);

TYPED_TEST(FoldersAndTextContract, FoldersTheirFilesAndTheApplicationDataFolder) {
    win::WindowsApi& api = this->backend.api();
    EXPECT_TRUE(api.CreateDirectoryA(this->path("Decorama").c_str(), nullptr));
    EXPECT_FALSE(api.CreateDirectoryA(this->path("Decorama").c_str(), nullptr));
    EXPECT_EQ(api.GetLastError(), win::ERROR_ALREADY_EXISTS);
    EXPECT_FALSE(api.CreateDirectoryA(this->path("none\\Decorama").c_str(), nullptr));
    EXPECT_EQ(api.GetLastError(), win::ERROR_PATH_NOT_FOUND);
    for (auto call : {&win::WindowsApi::GetWindowsDirectoryA, &win::WindowsApi::GetSystemDirectoryA}) {
        char folder[260] = {}, small[3] = {};
        const win::UINT length = (api.*call)(folder, sizeof folder);
        EXPECT_EQ(length, std::strlen(folder));
        EXPECT_EQ(std::string(folder).substr(1, 2), ":\\");
        EXPECT_FALSE(api.CreateDirectoryA(folder, nullptr)); // it is there
        EXPECT_EQ((api.*call)(small, sizeof small), length + 1);
    }
    rt::Runtime& runtime = this->backend.runtime();
    for (const char* name : {"b.theme", "A Jungle.THEME", "c.theme.txt"})
        runtime.writeFile(this->path(name), "[Theme]");
    api.CreateDirectoryA(this->path("e.theme").c_str(), nullptr);
    EXPECT_EQ(runtime.FilesIn(this->backend.scratchFolder(), ".theme"),
              (std::vector<std::string>{"A Jungle.THEME", "b.theme"}));
    EXPECT_TRUE(runtime.FilesIn(this->path("none"), ".theme").empty());

    // Attributes: a folder, a plain file, and what is not there, told apart by the error.
    EXPECT_EQ(win::FILE_ATTRIBUTE_DIRECTORY,
              api.GetFileAttributesA(this->path("e.theme").c_str()) &
                  (win::FILE_ATTRIBUTE_DIRECTORY | win::FILE_ATTRIBUTE_HIDDEN));
    const win::DWORD file = api.GetFileAttributesA(this->path("b.theme").c_str());
    EXPECT_NE(win::INVALID_FILE_ATTRIBUTES, file);
    EXPECT_EQ(
        0u, file & (win::FILE_ATTRIBUTE_DIRECTORY | win::FILE_ATTRIBUTE_HIDDEN | win::FILE_ATTRIBUTE_SYSTEM));
    EXPECT_EQ(win::INVALID_FILE_ATTRIBUTES, api.GetFileAttributesA(this->path("a.theme").c_str()));
    EXPECT_EQ(win::ERROR_FILE_NOT_FOUND, api.GetLastError());
    EXPECT_EQ(win::INVALID_FILE_ATTRIBUTES, api.GetFileAttributesA(this->path("none\\a.theme").c_str()));
    EXPECT_EQ(win::ERROR_PATH_NOT_FOUND, api.GetLastError());
    // The application-data folder by path is the one of the item list, where the shell has one.
    win::ITEMIDLIST* items = nullptr;
    char byList[260] = {}, byPath[260] = {};
    if (api.SHGetSpecialFolderLocation(0, win::CSIDL_APPDATA, &items) == 0 && items) {
        api.SHGetPathFromIDListA(items, byList);
        api.CoTaskMemFree(items);
    }
    EXPECT_EQ(byList[0] != '\0', api.SHGetSpecialFolderPathA(0, byPath, win::CSIDL_APPDATA, win::FALSE) != 0);
    EXPECT_STREQ(byList, byPath);
}

TYPED_TEST(FoldersAndTextContract, TextConvertsToTheAnsiCodePageAndBack) {
    win::WindowsApi& api = this->backend.api();
    const std::u16string text = u"Caf\u00e9 \u20ac\u0416";
    char bytes[7] = {};
    win::BOOL usedDefault = win::FALSE;
    ASSERT_EQ(api.WideCharToMultiByte(win::CP_ACP, 0, text.data(), 7, nullptr, 0, nullptr, nullptr), 7);
    ASSERT_EQ(api.WideCharToMultiByte(win::CP_ACP, 0, text.data(), 7, bytes, 7, nullptr, &usedDefault), 7);
    EXPECT_EQ(std::string(bytes, 7), "Caf\xE9 \x80?");
    EXPECT_TRUE(usedDefault);
    char16_t back[6] = {};
    ASSERT_EQ(api.MultiByteToWideChar(win::CP_ACP, 0, bytes, 6, back, 6), 6);
    EXPECT_EQ(std::u16string(back, 6), text.substr(0, 6));
}

} // namespace
