#include "Collection.h"

#include "BmpFile.h"
#include "BootScreenArt.h"
#include "Catalogue.h"
#include "ChromeArt.h"
#include "CursorArt.h"
#include "CursorFiles.h"
#include "GifFile.h"
#include "IconArt.h"
#include "JpegFile.h"
#include "OutputFolder.h"
#include "PreviewArt.h"
#include "SaverPreviewArt.h"
#include "Scheme.h"
#include "StartupSound.h"
#include "WallpaperArt.h"
#include "WebViewArt.h"

#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

namespace samplegen {
namespace {

struct CatalogueFile {
    const char* name;
    std::size_t fields;
};

// In the order start-up reads them.
const CatalogueFile catalogueFiles[] = {
    {"colors.txt", 5},     {"cursors.txt", 3},    {"icons.txt", 3},
    {"audio.txt", 2},      {"shortAudio.txt", 2}, {"themes.txt", 6},
    {"wallpapers.txt", 2}, {"colorNames.txt", 3}, {"screenSavers.txt", 3},
};

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::string withoutExtension(const std::string& name, const std::string& extension) {
    if (!endsWith(name, extension))
        throw std::runtime_error(name + " does not end in " + extension);
    return name.substr(0, name.size() - extension.size());
}

// "Pearl Bin Empty.ico" -> set "Pearl", role "Bin Empty".
void splitSetAndRole(const std::string& base, std::string& set, std::string& role) {
    std::size_t space = base.find(' ');
    if (space == std::string::npos)
        throw std::runtime_error("no set and role in " + base);
    set = base.substr(0, space);
    role = base.substr(space + 1);
}

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class Builder {
public:
    Builder(const std::filesystem::path& catalogueFolder, const std::filesystem::path& programFolder)
        : catalogues_(catalogueFolder), out_(programFolder) {}

    void run() {
        // 1. The catalogue list files themselves, byte for byte.
        for (const CatalogueFile& f : catalogueFiles) {
            records_[f.name] = readCatalogue((catalogues_ / f.name).string(), f.fields);
            out_.write(f.name, fileBytes(catalogues_ / f.name));
        }
        schemes_ = schemesFromColors(records_["colors.txt"]);
        // 2. What the catalogues name.
        wallpapers();
        themes();
        schemePreviews();
        cursors();
        icons();
        screenSaverPreviews();
        // 3. What the program ships besides.
        bootScreens();
        webView();
        out_.write("Zuve Zivi ziz Odida.wav", startupSound());
        chrome();
    }

private:
    const Canvas& wallpaperNamed(const std::string& name) {
        auto it = wallpaperCache_.find(name);
        if (it == wallpaperCache_.end())
            it = wallpaperCache_.emplace(name, wallpaper(name)).first;
        return it->second;
    }

    const Scheme& scheme(const std::string& rowText) {
        auto it = schemes_.find(std::stoi(rowText));
        if (it == schemes_.end())
            throw std::runtime_error("colors.txt has no row " + rowText);
        return it->second;
    }

    std::string iconFile(int row, int slot) {
        for (const Record& r : records_["icons.txt"])
            if (std::stoi(r[0]) == row && std::stoi(r[1]) == slot)
                return r[2];
        throw std::runtime_error("icons.txt has no slot " + std::to_string(slot) + " in row " +
                                 std::to_string(row));
    }

    void wallpapers() {
        for (const Record& r : records_["wallpapers.txt"])
            out_.write(r[1] + ".bmp", bmp24(wallpaperNamed(r[1])));
    }

    void themes() {
        for (const Record& r : records_["themes.txt"]) {
            const std::string& name = r[1];
            std::string wallpaperName = withoutExtension(r[4], ".bmp");
            const Canvas& paper = wallpaperNamed(wallpaperName);
            if (!out_.written(r[4]))
                out_.write(r[4], bmp24(paper));
            // The preview fills the picture control of the theme's layout at 96 dots per inch.
            bool large = endsWith(name, "1024x768");
            if (!large && !endsWith(name, "800x600"))
                throw std::runtime_error("theme name without a size ending: " + name);
            std::string title = name.substr(0, name.rfind(' '));
            int row = std::stoi(r[5]);
            std::vector<Canvas> desktopIcons;
            for (int slot : {1, 0, 5, 3}) {
                std::string set, role;
                splitSetAndRole(withoutExtension(iconFile(row, slot), ".ico"), set, role);
                desktopIcons.push_back(iconPicture(set, role, 16));
            }
            Canvas preview = large ? themePreview(paper, scheme(r[5]), title, desktopIcons, 249, 195)
                                   : themePreview(paper, scheme(r[5]), title, desktopIcons, 239, 179);
            out_.write(r[3], jpeg(preview));
        }
    }

    void schemePreviews() {
        for (const Record& r : records_["colorNames.txt"])
            out_.write(r[2] + ".bmp", bmp24(schemePreview(scheme(r[0]), 90, 76)));
    }

    void cursors() {
        for (const Record& r : records_["cursors.txt"]) {
            const std::string& file = r[2];
            if (out_.written(file))
                continue;
            bool animated = endsWith(file, ".ani");
            std::string set, role;
            splitSetAndRole(withoutExtension(file, animated ? ".ani" : ".cur"), set, role);
            if (animated != isAnimatedRole(role))
                throw std::runtime_error(file + ": the role " + role + " is " +
                                         (animated ? "a still cursor" : "animated"));
            std::vector<CursorFrame> frames = cursorFrames(set, role);
            if (!animated) {
                out_.write(file, curFile(iconImage(frames[0].image, 4), frames[0].hotX, frames[0].hotY));
                continue;
            }
            std::vector<AniFrame> aniFrames;
            for (const CursorFrame& f : frames)
                aniFrames.push_back(AniFrame{iconImage(f.image, 4), f.hotX, f.hotY});
            out_.write(file, aniFile(aniFrames, 6, set + " " + role));
            // The still companion that the live AppStarting and Wait cursors load.
            out_.write(file.substr(0, file.size() - 4) + " Static.cur",
                       curFile(aniFrames[0].image, frames[0].hotX, frames[0].hotY));
        }
    }

    void icons() {
        for (const Record& r : records_["icons.txt"]) {
            const std::string& file = r[2];
            if (out_.written(file))
                continue;
            std::string set, role;
            splitSetAndRole(withoutExtension(file, ".ico"), set, role);
            Canvas large = iconPicture(set, role, 32), small = iconPicture(set, role, 16);
            out_.write(file, icoFile({iconImage(large, 8), iconImage(small, 8),
                                      iconImage(large, 4, vgaPalette()), iconImage(small, 4, vgaPalette())}));
        }
    }

    void screenSaverPreviews() {
        for (const Record& r : records_["screenSavers.txt"])
            out_.write(r[1] + ".jpg", jpeg(saverPreview(r[1])));
    }

    void bootScreens() {
        auto logo = [&](const std::string& name, const Canvas& picture) {
            out_.write(name, bmp8(quantize(picture, 256, true)));
        };
        logo("logo.sys", themeBootScreen(BootScreen::Starting));
        logo("logos.sys", themeBootScreen(BootScreen::ShuttingDown));
        logo("logow.sys", themeBootScreen(BootScreen::SafeToSwitchOff));
        // Per-version copies; Windows ME is only given a shut-down screen.
        const struct {
            const char* prefix;
            const char* version;
            bool all;
        } versions[] = {{"95", "95", true},
                        {"98", "98", true},
                        {"me", "ME", false},
                        {"NT", "NT", true},
                        {"2000", "2000", true}};
        for (const auto& v : versions) {
            std::string prefix = v.prefix;
            if (v.all)
                logo(prefix + "logo.sys", versionBootScreen(v.version, BootScreen::Starting));
            logo(prefix + (v.all ? "logos.sys" : "Logos.sys"),
                 versionBootScreen(v.version, BootScreen::ShuttingDown));
            if (v.all)
                logo(prefix + "logow.sys", versionBootScreen(v.version, BootScreen::SafeToSwitchOff));
        }
    }

    void webView() {
        out_.write("wvleft.bmp", bmp24(webViewLeft()));
        out_.write("wvline.gif", gif(quantize(webViewLine(), 64, false)));
        out_.write("wvlogo.gif", gif(quantize(webViewLogo(), 128, false)));
    }

    void chrome() {
        const std::pair<const char*, ButtonState> states[] = {{"normal", ButtonState::Normal},
                                                              {"hover", ButtonState::Hover},
                                                              {"pressed", ButtonState::Pressed}};
        for (const char* kind : {"close", "minimize", "help"})
            for (const auto& [suffix, state] : states)
                out_.write(std::string("ui\\") + kind + "-" + suffix + ".bmp",
                           bmp24(titleButton(kind, state)));
        out_.write("ui\\sound.bmp", bmp24(soundPicture()));
        out_.write("ui\\logo.bmp", bmp24(logoPicture()));
        out_.write("ui\\about.bmp", bmp24(aboutPicture()));
    }

    std::filesystem::path catalogues_;
    OutputFolder out_;
    std::map<std::string, std::vector<Record>> records_;
    std::map<int, Scheme> schemes_;
    std::map<std::string, Canvas> wallpaperCache_;
};

} // namespace

void buildCollection(const std::filesystem::path& catalogueFolder,
                     const std::filesystem::path& programFolder) {
    Builder(catalogueFolder, programFolder).run();
}

} // namespace samplegen
