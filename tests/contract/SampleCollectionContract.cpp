// The cursor files of the sample collection load as cursors: every file named in
// cursors.txt, and the " Static.cur" companion of each animated one, gives a
// handle from LoadCursorFromFileA, on the fake and on the real Windows alike; a
// missing file or one that is no cursor gives none, and a loaded cursor can
// become a system cursor.
#include "Backends.h"
#include "SampleFolder.h"

#include "platform/WinFacts.h"
#include "runtime/FieldReader.h"
#include "screensaver/ExternalResourceFile.h"

#include <cstdlib>
#include <set>
#include <string>

namespace {

std::string hostBytes(const std::string& folder, const std::string& name) {
    return sample_test::fileBytes(std::filesystem::path(folder) / name);
}

// The cursor files of cursors.txt with the companions of the .ani ones.
std::set<std::string> cursorFiles(const std::string& folder) {
    rt::FieldReader reader(hostBytes(folder, "cursors.txt"));
    std::set<std::string> files;
    while (!reader.atEnd()) {
        reader.readField(); // row
        reader.readField(); // slot
        std::string file = reader.readField();
        files.insert(file);
        if (file.size() > 4 && file.compare(file.size() - 4, 4, ".ani") == 0)
            files.insert(file.substr(0, file.size() - 4) + " Static.cur");
    }
    return files;
}

template <class Backend> class SampleCollectionContract : public ::testing::Test {
protected:
    void SetUp() override {
        folder = sample_test::sampleFolder();
        if (folder.empty())
            GTEST_SKIP() << "DECORAMA_SAMPLE_DIR is not set";
    }

    // The Windows path of a collection file as the backend sees it: the real
    // Windows reads the folder itself; the fake gets a copy on its drive C:.
    std::string placed(const std::string& name) {
        if constexpr (Backend::isReal) {
            return folder + "\\" + name;
        } else {
            const std::string path = backend.scratchFolder() + "\\" + name;
            backend.fake().makeFile(path, hostBytes(folder, name));
            return path;
        }
    }

    std::string folder;
    Backend backend;
};

TYPED_TEST_SUITE(SampleCollectionContract, ContractBackends);

TYPED_TEST(SampleCollectionContract, EveryCursorFileLoads) {
    const std::set<std::string> files = cursorFiles(this->folder);
    ASSERT_GE(files.size(), 17u) << "no cursor set in cursors.txt";
    for (const std::string& name : files) {
        const std::string path = this->placed(name);
        EXPECT_NE(win::HCURSOR(0), this->backend.api().LoadCursorFromFileA(path.c_str())) << path;
    }
    win::WindowsApi& api = this->backend.api();
    api.SetLastError(0);
    EXPECT_EQ(win::HCURSOR(0),
              api.LoadCursorFromFileA((this->backend.scratchFolder() + "\\missing.cur").c_str()));
    EXPECT_NE(0u, api.GetLastError());
    EXPECT_EQ(win::HCURSOR(0), api.LoadCursorFromFileA(this->placed("cursors.txt").c_str()));

    // Windows takes the cursor over and destroys it when it is replaced in turn.
    const win::HCURSOR arrow = api.LoadCursorFromFileA(this->placed(*files.begin()).c_str());
    EXPECT_TRUE(api.SetSystemCursor(arrow, win::OCR_NORMAL));
    // The user's cursors come back from the registry (Wine 8 keeps no system
    // cursors to replace, and refuses the request).
    if (TypeParam::isReal)
        api.SystemParametersInfoA(win::SPI_SETCURSORS, 0, nullptr, 0);
}

// The built program folder's "samples" holds the screen-saver programs built
// beside it, byte for byte, in the order of screenSavers.txt, as the program's own
// reader sees the file. Only the Windows builds have savers to pack.
TEST(SaverResourceFile, HoldsEachBuiltSaverInListOrder) {
    const char* folder = std::getenv("DECORAMA_SAMPLE_DIR");
    if (!folder)
        GTEST_SKIP() << "DECORAMA_SAMPLE_DIR is not set";
    const std::string base = std::string(folder) + "\\";
    const std::string samples = sample_test::fileBytes(base + "samples");
    if (samples.empty())
        GTEST_SKIP() << "this build packs no screen savers";

    const auto directory = screensaver::readResourceDirectory(samples);
    ASSERT_TRUE(directory.has_value());
    rt::FieldReader list(sample_test::fileBytes(base + "screenSavers.txt"));
    std::size_t position = 0;
    for (; !list.atEnd(); ++position) {
        list.readField();
        const std::string name = list.readField(), file = list.readField();
        SCOPED_TRACE(name);
        ASSERT_LT(position, directory->size());
        const std::string program = sample_test::fileBytes(base + file);
        EXPECT_TRUE(program.size() > 2048 &&
                    screensaver::entryBytes(samples, (*directory)[position]) == program)
            << "entry " << position << " is not " << file;
    }
    EXPECT_EQ(position, directory->size());
    EXPECT_EQ(position, 4u);
}

} // namespace
