// The main window on the headless window system over the fake Windows, with the
// title-strip pictures shipped in the program's "ui" folder.
#pragma once

#include "app/common/Module1.h"
#include "app/frmMain.h"
#include "platform/Platform.h"
#include "fake/FakeWindows.h"
#include "headless/Find.h"
#include "headless/HeadlessWindowSystem.h"
#include "unit/headless/TestPictures.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace app_test {

inline const char* const shippedPictures[] = {
    "close-normal.bmp",    "close-hover.bmp",    "close-pressed.bmp",
    "minimize-normal.bmp", "minimize-hover.bmp", "minimize-pressed.bmp",
    "help-normal.bmp",     "help-hover.bmp",     "help-pressed.bmp",
    "sound.bmp",           "logo.bmp",           "about.bmp",
};

class frmMainFixture : public ::testing::Test {
protected:
    fake::FakeWindows fake;
    rt::Platform platform{fake, fake, fake};
    headless::HeadlessWindowSystem windows{fake, fake};
    app::Module1 module;
    std::unique_ptr<app::frmMain> form;

    void SetUp() override {
        module.programFolder = fake.appPath();
        for (const char* picture : shippedPictures)
            fake.makeFile(fake.appPath() + "\\ui\\" + picture, headless_test::bmpBytes(18, 18));
        // One theme, so that start-up runs to its end.
        fake.makeFile(fake.appPath() + "\\themes.txt", "0,Harbour 800x600,x,harbour.bmp,harbour-wall.bmp,2\r\n");
        fake.makeFile(fake.appPath() + "\\harbour.bmp", headless_test::bmpBytes(8, 6));
        load();
    }

    void load() {
        form = std::make_unique<app::frmMain>(platform, windows, module);
        form->Form_Load();
    }

    headless::Window& window() { return headless::as(form->window()); }
    template <class T> T& user(ui::Control* control) { return headless::as<T>(*control); }
    headless::PictureBox& picture(ui::PictureBox* control) { return user<headless::PictureBox>(control); }
    // The file name of the picture a picture control shows, "" for none.
    std::string shown(ui::PictureBox* control) {
        const std::string path = picture(control).picturePath();
        return path.substr(path.find_last_of('\\') + 1);
    }
};

} // namespace app_test
