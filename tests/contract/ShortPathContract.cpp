// What the program relies on of GetShortPathNameA, held against every backend:
// an 8.3 form of an existing long path (whose exact letters differ between file
// systems, so only its form is checked), the length without the NUL, the size
// needed with the NUL when the buffer is short, and 0 for a missing file.
#include "Backends.h"

#include <cctype>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr win::DWORD GENERIC_WRITE = 0x40000000;
constexpr win::DWORD CREATE_ALWAYS = 2;
const char* const SoundName = "Zuve Zivi ziz Odida.wav";

std::vector<std::string> componentsOf(const std::string& path) {
    std::vector<std::string> parts;
    std::istringstream in(path);
    for (std::string part; std::getline(in, part, '\\');)
        parts.push_back(part);
    return parts;
}

// A DOS name: up to eight characters, optionally a dot and up to three more, no blanks.
bool isDosName(const std::string& name) {
    const auto dot = name.find('.');
    const std::string base = name.substr(0, dot);
    const std::string extension = dot == std::string::npos ? "" : name.substr(dot + 1);
    return !base.empty() && base.size() <= 8 && extension.size() <= 3 &&
           extension.find('.') == std::string::npos && name.find(' ') == std::string::npos;
}

template <class Backend> class ShortPathContract : public ::testing::Test {
protected:
    // The scratch folder's own name ("DecoramaContract") is long too, so the
    // sound's path has two components that need a short form.
    void SetUp() override {
        win::WindowsApi& api = backend.api();
        const win::HANDLE made = api.CreateFileA((backend.scratchFolder() + "\\LOGO.SYS").c_str(),
                                                 GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, 0);
        ASSERT_NE(win::INVALID_HANDLE_VALUE, made);
        api.CloseHandle(made);
        longPath = backend.scratchFolder() + "\\" + SoundName;
        backend.runtime().writeFile(longPath, "RIFF");
    }

    std::string shortPath(const std::string& path, win::DWORD size = 261) {
        std::string buffer(size + 8, '#');
        const win::DWORD n = backend.api().GetShortPathNameA(path.c_str(), &buffer[0], size);
        if (n == 0 || n >= size)
            return "";
        EXPECT_EQ('\0', buffer[n]);
        EXPECT_EQ(std::string(7, '#'), buffer.substr(size + 1)) << "written past the buffer";
        return buffer.substr(0, n);
    }

    Backend backend;
    std::string longPath;
};

TYPED_TEST_SUITE(ShortPathContract, ContractBackends);

TYPED_TEST(ShortPathContract, ALongPathGetsAnEightDotThreeFormThatStillFindsTheFileAndAShortNameKeepsItsOwn) {
    const std::string shortForm = this->shortPath(this->longPath);
    ASSERT_FALSE(shortForm.empty());
    const std::vector<std::string> parts = componentsOf(shortForm);
    ASSERT_EQ(3u, parts.size()) << shortForm;
    EXPECT_EQ(this->backend.scratchFolder().substr(0, 2), parts[0]); // the drive as given
    for (std::size_t i = 1; i < parts.size(); ++i)
        EXPECT_TRUE(isDosName(parts[i])) << parts[i];
    const std::string& file = parts.back();
    EXPECT_EQ(".WAV", file.substr(file.size() - 4));
    // The short form names the same file: the program writes it to the
    // registry and system.ini and looks the file up by it.
    EXPECT_EQ(SoundName, this->backend.runtime().Dir(shortForm));
    EXPECT_EQ(shortForm, this->shortPath(shortForm));
    // A name already in 8.3 form keeps its stored form.
    const std::string given = this->backend.scratchFolder() + "\\logo.sys";
    EXPECT_EQ("LOGO.SYS", componentsOf(this->shortPath(given)).back());
}

TYPED_TEST(ShortPathContract, AShortBufferGetsTheSizeNeededAndIsLeftAloneAndAMissingFileGivesZero) {
    win::WindowsApi& api = this->backend.api();
    const std::string full = this->shortPath(this->longPath);
    ASSERT_FALSE(full.empty());
    const auto length = static_cast<win::DWORD>(full.size());
    for (win::DWORD offered : {win::DWORD{5}, length}) {
        std::string buffer(full.size() + 8, '#');
        api.SetLastError(0xBEEF);
        EXPECT_EQ(length + 1, api.GetShortPathNameA(this->longPath.c_str(), &buffer[0], offered));
        EXPECT_EQ(std::string(full.size() + 8, '#'), buffer);
        EXPECT_EQ(0xBEEFu, api.GetLastError());
    }
    std::string buffer(full.size() + 8, '#');
    EXPECT_EQ(length, api.GetShortPathNameA(this->longPath.c_str(), &buffer[0], length + 1));
    EXPECT_EQ(full, std::string(buffer.c_str()));
    // A missing file or folder gives 0.
    char missing[300];
    api.SetLastError(0);
    EXPECT_EQ(0u, api.GetShortPathNameA((this->backend.scratchFolder() + "\\Missing Sound.wav").c_str(),
                                        missing, sizeof missing));
    EXPECT_EQ(win::ERROR_FILE_NOT_FOUND, api.GetLastError());

    api.SetLastError(0);
    EXPECT_EQ(0u, api.GetShortPathNameA((this->backend.scratchFolder() + "\\No Such Folder\\x.wav").c_str(),
                                        missing, sizeof missing));
    const win::DWORD error = api.GetLastError();
    EXPECT_TRUE(error == win::ERROR_FILE_NOT_FOUND || error == win::ERROR_PATH_NOT_FOUND) << error;
}

} // namespace
