// The built program folder's "samples" holds the screen-saver programs built
// beside it, byte for byte, in the order of screenSavers.txt, as the program's
// own reader sees the file. Only the Windows builds have savers to pack; the
// Wine runs point DECORAMA_SAMPLE_DIR at their program folder.
#include "SampleFolder.h"

#include "runtime/FieldReader.h"
#include "screensaver/ExternalResourceFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

using sample_test::fileBytes;

TEST(SaverResourceFile, HoldsEachBuiltSaverInListOrder) {
    const char* folder = std::getenv("DECORAMA_SAMPLE_DIR");
    if (!folder)
        GTEST_SKIP() << "DECORAMA_SAMPLE_DIR is not set";
    const std::string base = std::string(folder) + "\\";
    const std::string samples = fileBytes(base + "samples");
    if (samples.empty())
        GTEST_SKIP() << "this build packs no screen savers";

    const auto directory = screensaver::readResourceDirectory(samples);
    ASSERT_TRUE(directory.has_value());
    rt::FieldReader list(fileBytes(base + "screenSavers.txt"));
    std::size_t position = 0;
    for (; !list.atEnd(); ++position) {
        list.readField();
        const std::string name = list.readField(), file = list.readField();
        SCOPED_TRACE(name);
        ASSERT_LT(position, directory->size());
        const std::string program = fileBytes(base + file);
        EXPECT_TRUE(program.size() > 2048 &&
                    screensaver::entryBytes(samples, (*directory)[position]) == program)
            << "entry " << position << " is not " << file;
    }
    EXPECT_EQ(position, directory->size());
    EXPECT_EQ(position, 4u);
}

} // namespace
