// What the program relies on of the runtime's file services, held against every
// backend: copies that replace, renames that refuse to replace (MoveFileExA's replace when
// told), reads and writes at byte offsets, and the program's error numbers for what goes
// wrong (53 file not found, 76 path not found, 75 path/file access error, 58 file exists); and of
// WritePrivateProfileStringA: the file and section made on first write, a key
// replaced in place whatever its case, a null string removing the key and a null
// key the section, lines ending with CR LF.
#include "Backends.h"

#include "support/ErrorOf.h"
#include "runtime/Error.h"

#include <functional>
#include <string>

namespace {

constexpr win::DWORD GENERIC_WRITE = 0x40000000;
constexpr win::DWORD CREATE_ALWAYS = 2;
constexpr win::DWORD FILE_ATTRIBUTE_READONLY = 0x1;

template <class Backend> class FileContract : public ::testing::Test {
protected:
    std::string path(const std::string& name) { return backend.scratchFolder() + "\\" + name; }
    rt::Runtime& runtime() { return backend.runtime(); }

    // A read-only file made the Windows way: CreateFileA with FILE_ATTRIBUTE_READONLY.
    void makeReadOnlyFile(const std::string& file) {
        const win::HANDLE handle = backend.api().CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr,
                                                             CREATE_ALWAYS, FILE_ATTRIBUTE_READONLY, 0);
        ASSERT_NE(win::INVALID_HANDLE_VALUE, handle);
        backend.api().CloseHandle(handle);
    }

    // WritePrivateProfileStringA on system.ini in the scratch folder, read back as bytes.
    win::BOOL writeProfile(const char* section, const char* key, const char* value) {
        return backend.api().WritePrivateProfileStringA(section, key, value, path("system.ini").c_str());
    }
    std::string profileText() { return runtime().readFile(path("system.ini")); }

    Backend backend;
};

TYPED_TEST_SUITE(FileContract, ContractBackends);

TYPED_TEST(FileContract, FileCopyReplacesTheDestinationAndFailsWithTheProgramsNumbers) {
    rt::Runtime& runtime = this->runtime();
    runtime.writeFile(this->path("source.bmp"), "new");
    runtime.writeFile(this->path("target.bmp"), "old and longer");
    runtime.FileCopy(this->path("source.bmp"), this->path("target.bmp"));
    EXPECT_EQ("new", runtime.readFile(this->path("target.bmp")));
    EXPECT_EQ("new", runtime.readFile(this->path("source.bmp")));
    EXPECT_EQ(rt::ErrFileNotFound,
              errorOf([&] { runtime.FileCopy(this->path("missing.bmp"), this->path("x.bmp")); }));
    EXPECT_EQ("", runtime.Dir(this->path("x.bmp")));
    EXPECT_EQ(rt::ErrPathNotFound,
              errorOf([&] { runtime.FileCopy(this->path("source.bmp"), this->path("web\\x.bmp")); }));
}

// MoveFileExA as the NT family has it (the fake plays Windows 2000, Wine has it in any
// version) replaces a file in one rename.
TYPED_TEST(FileContract, AReadOnlyFileCannotBeReplacedOrDeleted) {
    if constexpr (!TypeParam::isReal)
        this->backend.fake().useVersion(fake::Version::Win2000);
    rt::Runtime& runtime = this->runtime();
    win::WindowsApi& api = this->backend.api();
    const std::string source = this->path("source.bmp"), logo = this->path("logo.sys"),
                      kept = this->path("kept");
    runtime.writeFile(source, "new");
    this->makeReadOnlyFile(logo);
    EXPECT_EQ(rt::ErrPathFileAccess, errorOf([&] { runtime.FileCopy(source, logo); }));
    EXPECT_EQ(rt::ErrPathFileAccess, errorOf([&] { runtime.Kill(logo); }));
    EXPECT_EQ("logo.sys", runtime.Dir(logo));
    runtime.writeFile(kept, "old");
    ASSERT_TRUE(api.MoveFileExA(source.c_str(), kept.c_str(), win::MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ("new", runtime.readFile(kept));
    EXPECT_EQ("", runtime.Dir(source));
}

TYPED_TEST(FileContract, KillDeletesAndDirGivesTheNameAsStoredOrNothing) {
    rt::Runtime& runtime = this->runtime();
    runtime.writeFile(this->path("old.scr"), "x");
    runtime.Kill(this->path("old.scr"));
    EXPECT_EQ("", runtime.Dir(this->path("old.scr")));
    EXPECT_EQ(rt::ErrFileNotFound, errorOf([&] { runtime.Kill(this->path("old.scr")); }));
    runtime.writeFile(this->path("Logo.Sys"), "x");
    EXPECT_EQ("Logo.Sys", runtime.Dir(this->path("LOGO.SYS")));
    EXPECT_EQ("Logo.Sys", runtime.Dir(this->path("logo.sys")));
    EXPECT_EQ("", runtime.Dir(this->path("logow.sys")));
    EXPECT_EQ("", runtime.Dir(this->path("no such folder\\logo.sys")));
}

TYPED_TEST(FileContract, NameMovesAFileButNeverOntoAnother) {
    rt::Runtime& runtime = this->runtime();
    runtime.writeFile(this->path("link.lnk"), "link");
    runtime.writeFile(this->path("taken.lnk"), "other");
    EXPECT_EQ(58, errorOf([&] { runtime.Name(this->path("link.lnk"), this->path("taken.lnk")); }));
    EXPECT_EQ("other", runtime.readFile(this->path("taken.lnk")));

    runtime.Name(this->path("link.lnk"), this->path("moved.lnk"));
    EXPECT_EQ("", runtime.Dir(this->path("link.lnk")));
    EXPECT_EQ("link", runtime.readFile(this->path("moved.lnk")));
    EXPECT_EQ(rt::ErrFileNotFound,
              errorOf([&] { runtime.Name(this->path("link.lnk"), this->path("x.lnk")); }));
}

TYPED_TEST(FileContract, BytesAreReadAndWrittenAtOffsetsWhereTheFileIsThere) {
    rt::Runtime& runtime = this->runtime();
    const std::string file = this->path("samples");
    runtime.writeFile(file, std::string("0123456789"));
    runtime.writeBytes(file, 3, "abc");
    EXPECT_EQ("012abc6789", runtime.readFile(file));
    EXPECT_EQ("2abc", runtime.readBytes(file, 2, 4));
    EXPECT_EQ("89", runtime.readBytes(file, 8, 10)); // fewer at the end of the file
    EXPECT_EQ("", runtime.readBytes(file, 10, 4));

    // Binary data, NULs and the byte 255 included, travel unchanged.
    const std::string binary("\0\xFF\x01\r\n\x1A", 6);
    runtime.writeBytes(this->path("fresh.scr"), 0, binary);
    EXPECT_EQ(binary, runtime.readFile(this->path("fresh.scr")));
    runtime.writeBytes(file, 10, "!");
    EXPECT_EQ("012abc6789!", runtime.readFile(file));
    // Reading or writing what is not there fails.
    EXPECT_EQ(rt::ErrFileNotFound, errorOf([&] { runtime.readFile(this->path("missing.txt")); }));
    EXPECT_EQ(rt::ErrPathNotFound, errorOf([&] { runtime.readFile(this->path("nowhere\\missing.txt")); }));
    EXPECT_EQ(rt::ErrPathNotFound, errorOf([&] { runtime.writeFile(this->path("nowhere\\new.txt"), "x"); }));
}

TYPED_TEST(FileContract, ProfileTheFirstWriteMakesTheFileAndTheSectionAndKeysAreReplacedInPlace) {
    ASSERT_TRUE(this->writeProfile("boot", "SCRNSAVE.EXE", "C:\\PROGRA~1\\DECORAMA\\X.SCR"));
    EXPECT_EQ("[boot]\r\nSCRNSAVE.EXE=C:\\PROGRA~1\\DECORAMA\\X.SCR\r\n", this->profileText());
    // A key is replaced in place whatever the case of its name.
    ASSERT_TRUE(this->writeProfile("drivers", "wave", "mmsystem.dll"));
    ASSERT_TRUE(this->writeProfile("BOOT", "scrnsave.exe", "B.SCR"));
    ASSERT_TRUE(this->writeProfile("boot", "shell", "Explorer.exe"));
    EXPECT_EQ("[boot]\r\nSCRNSAVE.EXE=B.SCR\r\nshell=Explorer.exe\r\n[drivers]\r\nwave=mmsystem.dll\r\n",
              this->profileText());
}

TYPED_TEST(FileContract, ProfileNullStringRemovesTheKeyNullKeyTheSectionAndAMissingFolderFails) {
    ASSERT_TRUE(this->writeProfile("boot", "SCRNSAVE.EXE", "A.SCR"));
    ASSERT_TRUE(this->writeProfile("boot", "shell", "Explorer.exe"));
    ASSERT_TRUE(this->writeProfile("drivers", "wave", "mmsystem.dll"));
    ASSERT_TRUE(this->writeProfile("boot", "shell", nullptr));
    ASSERT_TRUE(this->writeProfile("drivers", nullptr, nullptr));
    EXPECT_EQ("[boot]\r\nSCRNSAVE.EXE=A.SCR\r\n", this->profileText());
    // A missing folder is ERROR_PATH_NOT_FOUND.
    const std::string file = this->backend.scratchFolder() + "\\no such folder\\system.ini";
    EXPECT_FALSE(
        this->backend.api().WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", "A.SCR", file.c_str()));
    EXPECT_EQ(win::ERROR_PATH_NOT_FOUND, this->backend.api().GetLastError());
}

} // namespace
