// The screen savers' Windows-free parts: the command lines Windows starts them
// with, and the scenes, drawn at the sizes a saver meets (the Display
// Properties preview, a full screen, and degenerate windows).
#include "aurora/AuroraScene.h"
#include "bubbles/BubblesScene.h"
#include "common/SaverArgs.h"
#include "ribbons/RibbonsScene.h"
#include "starfield/StarfieldScene.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

TEST(SaverArgs, TheFormsWindowsUses) {
    using savers::SaverMode;
    struct Case {
        const char* arguments;
        SaverMode mode;
        uintptr_t window;
    };
    const Case cases[] = {
        {" /s", SaverMode::FullScreen, 0},      {" -S", SaverMode::FullScreen, 0},
        {" /p 1234", SaverMode::Preview, 1234}, {" /P:5678", SaverMode::Preview, 5678},
        {"  -p  42", SaverMode::Preview, 42},   {" /c:777", SaverMode::Settings, 777},
        {" /C", SaverMode::Settings, 0},        {"", SaverMode::Settings, 0},
        {" /a 9", SaverMode::Password, 9},      {" /x", SaverMode::Settings, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const savers::SaverArgs args = savers::parseSaverArgs(c.arguments);
        EXPECT_EQ(args.mode, c.mode);
        EXPECT_EQ(args.window, c.window);
    }
    EXPECT_STREQ(savers::afterProgramName("\"C:\\Program Files\\Orlo Aurora.scr\" /p 12"), " /p 12");
    EXPECT_STREQ(savers::afterProgramName("C:\\WINDOWS\\ORLOAU~1.SCR /s"), " /s");
}

// Every scene draws more than a plain background, moves from frame to
// frame, and keeps inside the picture at any size (the sanitizer build checks
// the bounds: the buffers are exactly the picture's size).
TEST(SaverScenes, DrawMovingPicturesInsideTheirBounds) {
    const savers::Scene scenes[] = {savers::drawAurora, savers::drawStarfield, savers::drawBubbles,
                                    savers::drawRibbons};
    const int sizes[][2] = {{152, 112}, {320, 240}, {1, 1}, {3, 200}, {200, 2}};
    for (savers::Scene scene : scenes) {
        for (const auto& size : sizes) {
            std::vector<uint32_t> bits(size[0] * size[1], 0xFF000000u);
            savers::Pixels picture{bits.data(), size[0], size[1]};
            scene(picture, 60);
            const std::vector<uint32_t> first = bits;
            scene(picture, 61);
            for (uint32_t p : bits)
                ASSERT_EQ(p >> 24, 0u) << "every pixel is drawn, as 0x00RRGGBB";
            if (size[0] >= 152) {
                EXPECT_GT(std::set<uint32_t>(first.begin(), first.end()).size(), 3u);
                EXPECT_NE(first, bits);
            }
        }
    }
}

} // namespace
