// The program over the fake Windows, for the tests of the main window and its
// tabs: the fake, the platform, the catalogue module, and the main window on a
// headless screen once a test prepares or loads it, with what a user does to it.
// The program's folder starts empty; a test adds what it needs. Program is the
// plain object (for tests that need several); ProgramFixture the same as a test
// fixture.
#pragma once

#include "catalogue/Module1.h"
#include "app/frmMain.h"
#include "platform/Platform.h"
#include "fake/FakeWindows.h"
#include "headless/Controls.h"
#include "support/Bytes.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace unit_test {

// The catalogue of start-up tests: each file fills something a test can see.
inline const std::map<std::string, std::string>& standardCatalogue() {
    static const std::map<std::string, std::string> files{
        {"colors.txt", "0,5,255,255,255\r\n2,5,10,20,30\r\n"},
        {"cursors.txt", "2,1,arrow.cur\r\n2,14,wait.ani\r\n"},
        {"icons.txt", "2,1,computer.ico\r\n"},
        {"audio.txt", "0,tune\r\n"},
        {"shortAudio.txt", "2,yes\r\n"},
        {"themes.txt", "0,Harbour 800x600,Coastal,harbour.bmp,harbour-wall.bmp,2\r\n"
                       "1,Canyon 1024x768,Desert,canyon.bmp,canyon-wall.bmp,3\r\n"},
        {"wallpapers.txt", "2,Lake 1024x768\r\n3,Dune 800x600\r\n"},
        {"colorNames.txt", "4,Brick,brick\r\n7,Slate,slate\r\n"},
        {"screenSavers.txt", "0,Bubbles,bubbles.scr\r\n1,Stars,stars.scr\r\n"},
    };
    return files;
}

// The pictures of the window's title strip and About button, in its "ui" folder.
inline const char* const shippedPictures[] = {
    "close-normal.bmp",    "close-hover.bmp",    "close-pressed.bmp",
    "minimize-normal.bmp", "minimize-hover.bmp", "minimize-pressed.bmp",
    "help-normal.bmp",     "help-hover.bmp",     "help-pressed.bmp",
    "sound.bmp",           "logo.bmp",           "about.bmp",
};

struct Program {
    Program() {
        fake.setAppPath(folder);
        module.programFolder = folder;
    }

    void write(const std::string& name, const std::string& bytes) {
        fake.makeFile(folder + "\\" + name, bytes);
    }

    // The standard catalogue and the pictures its two themes preview.
    void writeStandardCatalogue() {
        for (const auto& [name, text] : standardCatalogue())
            write(name, text);
        write("harbour.bmp", bytes::bmp(8, 6));
        write("canyon.bmp", bytes::bmp(8, 6));
    }
    void writeShippedPictures() {
        for (const char* picture : shippedPictures)
            write(std::string("ui\\") + picture, bytes::bmp(18, 18));
    }
    // The shipped pictures and one theme, so that start-up runs to its end.
    void writeShippedFiles() {
        writeShippedPictures();
        write("themes.txt", "0,Harbour 800x600,x,harbour.bmp,harbour-wall.bmp,2\r\n");
        write("harbour.bmp", bytes::bmp(8, 6));
    }

    // A fresh main window, not loaded yet, on a screen of that many pixels.
    void prepare(int widthPixels = 1024, int heightPixels = 768, int twipsPerPixel = 15) {
        form.reset();
        windows = std::make_unique<headless::HeadlessWindowSystem>(fake, fake, widthPixels, heightPixels,
                                                                   twipsPerPixel);
        form = std::make_unique<app::frmMain>(platform, *windows, module);
    }
    // A fresh main window and its load event.
    void load(int widthPixels = 1024, int heightPixels = 768, int twipsPerPixel = 15) {
        prepare(widthPixels, heightPixels, twipsPerPixel);
        form->Form_Load();
    }

    headless::Window& window() { return headless::as(form->window()); }
    void click(ui::Control* button) { headless::as<headless::Button>(*button).userClick(); }
    void press(ui::ComboBox* list, int keyCode) {
        list->setFocus();
        headless::as<headless::ComboBox>(*list).userPressKey(keyCode);
    }
    void selectTab(int index) { headless::as<headless::TabControl>(*form->SSTab1).userSelectTab(index); }
    template <class T> T& user(ui::Control* control) { return headless::as<T>(*control); }
    headless::PictureBox& picture(ui::PictureBox* control) { return user<headless::PictureBox>(control); }
    // The file name of the picture a picture control shows, "" for none.
    std::string shown(ui::PictureBox* control) {
        const std::string path = picture(control).picturePath();
        return path.substr(path.find_last_of('\\') + 1);
    }
    std::vector<std::string> items(ui::ComboBox* list) { return user<headless::ComboBox>(list).items(); }
    std::vector<std::int32_t> itemData(ui::ComboBox* list) {
        std::vector<std::int32_t> data;
        for (int i = 0; i < list->listCount(); ++i)
            data.push_back(list->itemData(i));
        return data;
    }
    std::vector<std::string> prompts() const {
        std::vector<std::string> shown;
        for (const auto& box : fake.messageBoxes)
            shown.push_back(box.prompt);
        return shown;
    }

    // Rows 0..28 on Windows 98 where row r holds icon "icons\rR-sS.ico", cursor
    // "cursors\rR-sS.cur" (slots 0 and 14 animated) and colour index i as the
    // text (r, i, r + i), so that a test can tell which row each write came from.
    void fillSchemeRows() {
        module.windowsVersion = "98";
        // Every Windows profile has its colour key; the applier writes into it.
        fake.setString(win::HKEY_CURRENT_USER, "Control Panel\\Colors", "Window", "255 255 255");
        for (int row = 0; row <= 28; ++row) {
            const std::string r = std::to_string(row);
            for (int slot = 0; slot <= 5; ++slot)
                module.themeIcons(row, slot) = "icons\\r" + r + "-s" + std::to_string(slot) + ".ico";
            for (int slot = 0; slot <= 14; ++slot)
                module.themeCursors(row, slot) = "cursors\\r" + r + "-s" + std::to_string(slot) +
                                                 (slot == 0 || slot == 14 ? ".ani" : ".cur");
            for (int i = 0; i <= 28; ++i) {
                module.themeColors(row, i, 1) = r;
                module.themeColors(row, i, 2) = std::to_string(i);
                module.themeColors(row, i, 3) = std::to_string(row + i);
            }
        }
    }
    std::string iconFile(int row, int slot) const { return folder + "\\" + module.themeIcons(row, slot); }
    std::string cursorFile(int row, int slot) const { return folder + "\\" + module.themeCursors(row, slot); }
    // Makes the cursor files of a row loadable, with the still companions of slots 0 and 14.
    void installCursors(int row) {
        for (int slot = 0; slot <= 14; ++slot) {
            const std::string file = cursorFile(row, slot);
            fake.makeFile(file, bytes::cursor());
            if (slot == 0 || slot == 14)
                fake.makeFile(file.substr(0, file.size() - 4) + " Static.cur", bytes::cursor());
        }
    }
    // Theme 0, "Harbour 800x600" of scheme row 2, selected as its preview leaves it,
    // with the files an apply installs and the folder of the web-view images.
    void themeSelected() {
        fillSchemeRows();
        installCursors(2);
        fake.makeFolder("c:\\WINDOWS\\web");
        for (const char* name :
             {"logo.sys", "logos.sys", "logow.sys", "wvleft.bmp", "wvline.gif", "wvlogo.gif"})
            write(name, name);
        module.themeShortAudio(2) = "x";
        module.themeList(0) = "Harbour 800x600,x,harbour.jpg,harbour.bmp,2";
        prepare();
        form->Combo1->addItem("Harbour 800x600");
        form->Combo1->setListIndex(0);
        module.activeSchemeRow = "2";
        form->selectedWallpaper = folder + "\\harbour.bmp";
    }
    // The command lines of the processes started, each with " @" and its show mode.
    std::vector<std::string> started() const {
        std::vector<std::string> lines;
        for (const auto& process : fake.processes)
            lines.push_back(process.commandLine + " @" + std::to_string(process.showMode));
        return lines;
    }
    std::optional<std::string> userValue(const std::string& key, const std::string& name) const {
        return fake.getString(win::HKEY_CURRENT_USER, key, name);
    }

    const std::string folder = "C:\\Program Files\\Decorama";
    fake::FakeWindows fake;
    rt::Platform platform{fake, fake, fake};
    catalogue::Module1 module;
    std::unique_ptr<headless::HeadlessWindowSystem> windows =
        std::make_unique<headless::HeadlessWindowSystem>(fake, fake);
    std::unique_ptr<app::frmMain> form;
};

class ProgramFixture : public ::testing::Test, public Program {};

} // namespace unit_test
