// The generated files of the program folder: everything the catalogues name and
// everything the program ships besides, present and readable as what it claims
// to be, at the sizes the program shows it.
#include "SampleFolder.h"

#include <set>

namespace samples {
namespace {

class SampleFiles : public SampleCollection {
protected:
    struct Bitmap {
        bool ok = false;
        int width = 0, height = 0, bitCount = 0;
        std::uint32_t paletteEntries = 0;
    };
    // The BITMAPFILEHEADER and BITMAPINFOHEADER of a .bmp (or .sys) file, checked
    // against the file's own size.
    static Bitmap bitmapHeader(const std::string& bytes) {
        Bitmap b;
        if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0 || le32(bytes, 14) != 40)
            return b;
        b.width = static_cast<int>(le32(bytes, 18));
        b.height = static_cast<int>(le32(bytes, 22));
        b.bitCount = static_cast<int>(le16(bytes, 28));
        std::uint32_t used = le32(bytes, 46);
        b.paletteEntries = b.bitCount <= 8 ? (used ? used : 1u << b.bitCount) : used;
        std::uint64_t stride = (static_cast<std::uint64_t>(b.width) * b.bitCount + 31) / 32 * 4;
        std::uint64_t offBits = le32(bytes, 10);
        b.ok = le32(bytes, 2) == bytes.size() && le16(bytes, 26) == 1 && le32(bytes, 30) == 0 &&
               offBits >= 54 + 4ull * b.paletteEntries && offBits + stride * b.height == bytes.size();
        return b;
    }
    void expectPicture(const std::string& name, int width, int height) {
        SCOPED_TRACE(name);
        Picture p = decodePicture(bytesOf(name));
        ASSERT_TRUE(p.ok) << "does not decode";
        EXPECT_EQ(width, p.width);
        EXPECT_EQ(height, p.height);
    }
    static const std::vector<std::string>& bootPictures() {
        static const std::vector<std::string> names = {
            "logo.sys",    "logos.sys",    "logow.sys",     "95logo.sys",   "95logos.sys", "95logow.sys",
            "98logo.sys",  "98logos.sys",  "98logow.sys",   "meLogos.sys",  "NTlogo.sys",  "NTlogos.sys",
            "NTlogow.sys", "2000logo.sys", "2000logos.sys", "2000logow.sys"};
        return names;
    }
};

TEST_F(SampleFiles, EveryFileTheCataloguesNameIsThere) {
    std::set<std::string> names;
    for (const Record& t : records("themes.txt")) {
        names.insert(t[3]);
        names.insert(t[4]);
    }
    for (const Record& w : records("wallpapers.txt"))
        names.insert(w[1] + ".bmp");
    for (const Record& c : records("colorNames.txt"))
        names.insert(c[2] + ".bmp");
    for (const Record& c : records("cursors.txt")) {
        names.insert(c[2]);
        // The live AppStarting and Wait cursors load a still companion.
        if (c[1] == "0" || c[1] == "14")
            names.insert(c[2].substr(0, c[2].size() - 4) + " Static.cur");
    }
    for (const Record& i : records("icons.txt"))
        names.insert(i[2]);
    for (const Record& s : records("screenSavers.txt"))
        names.insert(s[1] + ".jpg");
    for (const std::string& boot : bootPictures())
        names.insert(boot);
    for (const char* shipped : {"wvleft.bmp", "wvline.gif", "wvlogo.gif", "Zuve Zivi ziz Odida.wav"})
        names.insert(shipped);
    for (const char* kind : {"close", "minimize", "help"})
        for (const char* state : {"normal", "hover", "pressed"})
            names.insert(std::string("ui\\") + kind + "-" + state + ".bmp");
    for (const char* picture : {"ui\\sound.bmp", "ui\\logo.bmp", "ui\\about.bmp"})
        names.insert(picture);
    for (const std::string& name : names)
        EXPECT_TRUE(std::filesystem::is_regular_file(pathOf(name))) << "missing: " << name;
}

TEST_F(SampleFiles, WallpapersAreTrueColourBitmapsOfTheSizeTheirNameEndsWith) {
    for (const Record& w : records("wallpapers.txt")) {
        SCOPED_TRACE(w[1]);
        bool large = endsWith(w[1], "1024x768");
        const Bitmap b = bitmapHeader(bytesOf(w[1] + ".bmp"));
        ASSERT_TRUE(b.ok) << "bad bitmap header";
        EXPECT_EQ(24, b.bitCount);
        EXPECT_EQ(large ? 1024 : 800, b.width);
        EXPECT_EQ(large ? 768 : 600, b.height);
    }
}

TEST_F(SampleFiles, ThemePreviewsFitTheirLayout) {
    for (const Record& t : records("themes.txt")) {
        SCOPED_TRACE(t[1]);
        const std::string bytes = bytesOf(t[3]);
        ASSERT_GE(bytes.size(), 4u);
        EXPECT_EQ("\xFF\xD8", bytes.substr(0, 2)) << "not a JPEG";
        Picture p = decodePicture(bytes);
        ASSERT_TRUE(p.ok);
        // The picture control at 96 dots per inch: 3585 x 2685 or 3735 x 2925 twips.
        bool large = endsWith(t[1], "1024x768");
        EXPECT_EQ(large ? 249 : 239, p.width);
        EXPECT_EQ(large ? 195 : 179, p.height);
        Bitmap wallpaper = bitmapHeader(bytesOf(t[4]));
        EXPECT_TRUE(wallpaper.ok);
        EXPECT_EQ(large ? 1024 : 800, wallpaper.width) << "the wallpaper does not match the layout";
    }
}

TEST_F(SampleFiles, SchemePreviewsAreBitmaps) {
    for (const Record& c : records("colorNames.txt"))
        EXPECT_TRUE(bitmapHeader(bytesOf(c[2] + ".bmp")).ok) << c[1];
}

TEST_F(SampleFiles, BootPicturesAre320x400WithA256ColourPalette) {
    for (const std::string& name : bootPictures()) {
        SCOPED_TRACE(name);
        Bitmap b = bitmapHeader(bytesOf(name));
        ASSERT_TRUE(b.ok);
        EXPECT_EQ(8, b.bitCount);
        EXPECT_EQ(256u, b.paletteEntries);
        EXPECT_EQ(320, b.width);
        EXPECT_EQ(400, b.height);
    }
}

// The web-view pictures and screen-saver previews decode; the window's own
// pictures have the sizes its controls are laid out for.
TEST_F(SampleFiles, OtherPicturesDecodeAtTheirSizes) {
    for (const char* name : {"wvleft.bmp", "wvline.gif", "wvlogo.gif"})
        EXPECT_TRUE(decodePicture(bytesOf(name)).ok) << name;
    for (const Record& s : records("screenSavers.txt"))
        EXPECT_TRUE(decodePicture(bytesOf(s[1] + ".jpg")).ok) << s[1];
    for (const char* kind : {"close", "minimize", "help"})
        for (const char* state : {"normal", "hover", "pressed"})
            expectPicture(std::string("ui\\") + kind + "-" + state + ".bmp", 18, 18);
    expectPicture("ui\\sound.bmp", 40, 40);
    expectPicture("ui\\logo.bmp", 64, 64);
    expectPicture("ui\\about.bmp", 64, 64);
}

} // namespace
} // namespace samples
