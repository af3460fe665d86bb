// The main window over the fake Windows with a small catalogue of all nine list
// files in its program folder, loaded on a headless screen of a chosen size.
#pragma once

#include "app/common/Module1.h"
#include "app/frmMain.h"
#include "platform/Platform.h"
#include "fake/FakeWindows.h"
#include "headless/Find.h"
#include "headless/HeadlessWindowSystem.h"
#include "unit/headless/TestPictures.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace startup_test {

// The catalogue every test starts from: each file fills something a test can see.
inline const std::map<std::string, std::string>& catalogue() {
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

class StartupFixture : public ::testing::Test {
protected:
    const std::string folder = "C:\\Apps\\Decorama";
    fake::FakeWindows fake;
    rt::Platform platform{fake, fake, fake};
    std::unique_ptr<headless::HeadlessWindowSystem> windows;
    app::Module1 module;
    std::unique_ptr<app::frmMain> form;

    void SetUp() override {
        fake.setAppPath(folder);
        for (const auto& [name, text] : catalogue())
            write(name, text);
        write("harbour.bmp", headless_test::bmpBytes(8, 6));
        write("canyon.bmp", headless_test::bmpBytes(8, 6));
    }

    void write(const std::string& name, const std::string& bytes) {
        fake.makeFile(folder + "\\" + name, bytes);
    }
    void removeFile(const std::string& name) { fake.remove(folder + "\\" + name); }

    // A fresh window, not loaded yet, on a screen of that many pixels.
    void prepare(int widthPixels = 1024, int heightPixels = 768, int twipsPerPixel = 15) {
        form.reset();
        windows = std::make_unique<headless::HeadlessWindowSystem>(fake, fake, widthPixels, heightPixels,
                                                                   twipsPerPixel);
        form = std::make_unique<app::frmMain>(platform, *windows, module);
    }
    // A fresh window and its load event.
    void load(int widthPixels = 1024, int heightPixels = 768, int twipsPerPixel = 15) {
        prepare(widthPixels, heightPixels, twipsPerPixel);
        form->Form_Load();
    }

    std::vector<std::string> prompts() const {
        std::vector<std::string> shown;
        for (const auto& box : fake.messageBoxes())
            shown.push_back(box.prompt);
        return shown;
    }
    std::vector<std::string> items(ui::ComboBox* list) {
        return headless::as<headless::ComboBox>(*list).items();
    }
    std::vector<std::int32_t> itemData(ui::ComboBox* list) {
        std::vector<std::int32_t> data;
        for (int i = 0; i < list->listCount(); ++i)
            data.push_back(list->itemData(i));
        return data;
    }
    std::string previewPath() { return headless::as<headless::PictureBox>(*form->Image7).picturePath(); }

    // The window as it is before its load event: its design position and colours.
    struct Design {
        ui::Rect bounds;
        win::COLORREF windowColor;
        win::COLORREF tabColor;
    };
    Design design() {
        headless::HeadlessWindowSystem spare(fake, fake);
        app::Module1 spareModule;
        app::frmMain designed(platform, spare, spareModule);
        return {designed.window().bounds(), designed.window().backColor(), designed.SSTab1->backColor()};
    }
};

} // namespace startup_test
