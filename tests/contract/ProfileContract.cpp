// What the program relies on of WritePrivateProfileStringA, held against every
// backend and read back as bytes: the file and section are made on first
// write, a key is replaced in place whatever its case, a null string removes
// the key and a null key the section, and lines end with CR LF.
#include "Backends.h"

#include <string>

namespace {

template <class Backend> class ProfileContract : public ::testing::Test {
protected:
    std::string file() { return backend.scratchFolder() + "\\system.ini"; }
    win::BOOL write(const char* section, const char* key, const char* value) {
        return backend.api().WritePrivateProfileStringA(section, key, value, file().c_str());
    }
    std::string text() { return backend.runtime().readFile(file()); }

    Backend backend;
};

TYPED_TEST_SUITE(ProfileContract, ContractBackends);

TYPED_TEST(ProfileContract, TheFirstWriteMakesTheFileAndTheSection) {
    ASSERT_TRUE(this->write("boot", "SCRNSAVE.EXE", "C:\\PROGRA~1\\DECORAMA\\X.SCR"));
    EXPECT_EQ("[boot]\r\nSCRNSAVE.EXE=C:\\PROGRA~1\\DECORAMA\\X.SCR\r\n", this->text());
}

TYPED_TEST(ProfileContract, AKeyIsReplacedInPlaceWhateverTheCaseOfItsName) {
    ASSERT_TRUE(this->write("boot", "SCRNSAVE.EXE", "A.SCR"));
    ASSERT_TRUE(this->write("drivers", "wave", "mmsystem.dll"));
    ASSERT_TRUE(this->write("BOOT", "scrnsave.exe", "B.SCR"));
    ASSERT_TRUE(this->write("boot", "shell", "Explorer.exe"));
    EXPECT_EQ("[boot]\r\nSCRNSAVE.EXE=B.SCR\r\nshell=Explorer.exe\r\n[drivers]\r\nwave=mmsystem.dll\r\n",
              this->text());
}

TYPED_TEST(ProfileContract, NullStringRemovesTheKeyAndNullKeyTheSection) {
    ASSERT_TRUE(this->write("boot", "SCRNSAVE.EXE", "A.SCR"));
    ASSERT_TRUE(this->write("boot", "shell", "Explorer.exe"));
    ASSERT_TRUE(this->write("drivers", "wave", "mmsystem.dll"));
    ASSERT_TRUE(this->write("boot", "shell", nullptr));
    ASSERT_TRUE(this->write("drivers", nullptr, nullptr));
    EXPECT_EQ("[boot]\r\nSCRNSAVE.EXE=A.SCR\r\n", this->text());
}

TYPED_TEST(ProfileContract, AMissingFolderIsPathNotFound) {
    const std::string file = this->backend.scratchFolder() + "\\no such folder\\system.ini";
    EXPECT_FALSE(
        this->backend.api().WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", "A.SCR", file.c_str()));
    EXPECT_EQ(win::ERROR_PATH_NOT_FOUND, this->backend.api().GetLastError());
}

} // namespace
