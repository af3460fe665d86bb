// The catalogue files shipped in data/catalogue read completely and keep the
// orderings the tabs rely on: the theme list is looked up by position, and the
// wallpaper list is rebuilt from its table starting at index 2.
#include "app/common/ListFiles.h"

#include "runtime/TextConv.h"
#include "unit/catalogues/MemoryRuntime.h"
#include "unit/catalogues/RecordingComboBox.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using app::ListFileKind;
using catalogues_test::MemoryRuntime;
using catalogues_test::RecordingComboBox;

constexpr const char* folder = "C:\\Program Files\\Decorama";

fs::path shippedFolder() {
    return fs::path(__FILE__).parent_path() / ".." / ".." / ".." / "data" / "catalogue";
}

bool endsWith(const std::string& text, const std::string& ending) {
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

class ShippedCatalogueTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(shippedFolder() / "themes.txt"))
            GTEST_SKIP() << "no shipped catalogue at " << shippedFolder();
        module.programFolder = folder;
        for (const app::ListFileFormat& format : app::listFileFormats) {
            std::ifstream in(shippedFolder() / format.fileName, std::ios::binary);
            ASSERT_TRUE(in) << format.fileName;
            runtime.writeFile(std::string(folder) + "\\" + format.fileName,
                              std::string(std::istreambuf_iterator<char>(in), {}));
        }
        for (const app::ListFileFormat& format : app::listFileFormats) {
            ASSERT_NO_THROW(app::ReadListFile(format.kind, runtime, module, listFor(format.kind)))
                << format.fileName;
        }
    }

    RecordingComboBox* listFor(ListFileKind kind) {
        switch (kind) {
        case ListFileKind::Themes:
            return &themes;
        case ListFileKind::Wallpapers:
            return &wallpapers;
        case ListFileKind::ColorNames:
            return &schemes;
        case ListFileKind::ScreenSavers:
            return &savers;
        default:
            return nullptr;
        }
    }

    MemoryRuntime runtime;
    app::Module1 module;
    RecordingComboBox themes, wallpapers, schemes, savers;
};

TEST_F(ShippedCatalogueTest, ThemeAtEachListPositionIsTheRecordOfThatIndex) {
    ASSERT_GT(themes.listCount(), 0);
    for (int i = 0; i < themes.listCount(); ++i) {
        SCOPED_TRACE(themes.list(i));
        EXPECT_EQ(module.themeList(i).substr(0, themes.list(i).size() + 1), themes.list(i) + ",");
        EXPECT_TRUE(endsWith(themes.list(i), "800x600") || endsWith(themes.list(i), "1024x768"));
        const std::string& record = module.themeList(i);
        const int row = rt::CLng(record.substr(record.find_last_of(',') + 1));
        EXPECT_TRUE(row >= 0 && row <= 28) << "scheme row " << row;
    }
}

TEST_F(ShippedCatalogueTest, WallpaperListRebuiltFromIndex2EqualsTheLoadedList) {
    std::vector<std::string> rebuilt;
    for (int i = 2; i <= 100 && !rt::Trim(module.wallpaperList(i)).empty(); ++i)
        rebuilt.push_back(module.wallpaperList(i));
    EXPECT_EQ(rebuilt, wallpapers.texts());
}

TEST_F(ShippedCatalogueTest, ColourSchemesNameAppliableRows) {
    ASSERT_GT(schemes.listCount(), 0);
    for (const auto& item : schemes.items())
        EXPECT_TRUE(item.data >= 0 && item.data <= 28) << item.text << " has row " << item.data;
}

} // namespace
