// A fake Windows with a program folder and catalogue rows whose every entry
// names its own row, so a test can tell which row each write came from.
#pragma once

#include "app/common/Module1.h"
#include "platform/Platform.h"
#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

#include <string>

namespace themes_test {

constexpr const char* programFolder = "C:\\Program Files\\Decorama";

// The smallest file LoadCursorFromFileA takes for a cursor.
inline std::string cursorBytes() {
    return std::string("\0\0\2\0\1\0", 6) + std::string(16, '\0');
}

class SchemeFixture : public ::testing::Test {
protected:
    SchemeFixture() : platform{fake, fake, fake} {
        fake.setAppPath(programFolder);
        module.programFolder = programFolder;
        module.windowsVersion = "98";
        // Every Windows profile has its colour key; the applier writes into it.
        fake.setString(win::HKEY_CURRENT_USER, "Control Panel\\Colors", "Window", "255 255 255");
        for (int row = 0; row <= 28; ++row)
            fillRow(row);
    }

    // Row r: icon "icons\rR-sS.ico", cursor "cursors\rR-sS.cur" (slots 0 and 14
    // animated), colour index i = (r, i, r + i) as text.
    void fillRow(int row) {
        const std::string r = std::to_string(row);
        for (int slot = 0; slot <= 5; ++slot)
            module.themeIcons(row, slot) = "icons\\r" + r + "-s" + std::to_string(slot) + ".ico";
        for (int slot = 0; slot <= 14; ++slot) {
            const bool animated = slot == 0 || slot == 14;
            module.themeCursors(row, slot) =
                "cursors\\r" + r + "-s" + std::to_string(slot) + (animated ? ".ani" : ".cur");
        }
        for (int i = 0; i <= 28; ++i) {
            module.themeColors(row, i, 1) = r;
            module.themeColors(row, i, 2) = std::to_string(i);
            module.themeColors(row, i, 3) = std::to_string(row + i);
        }
    }

    std::string iconFile(int row, int slot) const {
        return std::string(programFolder) + "\\icons\\r" + std::to_string(row) + "-s" + std::to_string(slot) +
               ".ico";
    }
    std::string cursorFile(int row, int slot) const {
        return std::string(programFolder) + "\\" + module.themeCursors(row, slot);
    }
    // Makes the cursor files of a row loadable, with the still companions of slots 0 and 14.
    void installCursors(int row) {
        for (int slot = 0; slot <= 14; ++slot) {
            std::string file = cursorFile(row, slot);
            fake.makeFile(file, cursorBytes());
            if (slot == 0 || slot == 14)
                fake.makeFile(file.substr(0, file.size() - 4) + " Static.cur", cursorBytes());
        }
    }

    std::optional<std::string> userValue(const std::string& key, const std::string& name) const {
        return fake.getString(win::HKEY_CURRENT_USER, key, name);
    }

    fake::FakeWindows fake;
    app::Module1 module;
    rt::Platform platform;
};

} // namespace themes_test
