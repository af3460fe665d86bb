// Picture controls and labels on real windows: loading keeps the old picture on
// failure, clicks need the press and the release on the control, and labels
// report clicks, colours and underline.
#include "NativeTestSupport.h"

#include <string>
#include <vector>

namespace nativetest {
namespace {

class NativePictureBoxTest : public NativeTest {
protected:
    void SetUp() override {
        NativeTest::SetUp();
        runtime.files["C:\\Decorama\\red.bmp"] = bmpFile(3, 2, 255, 0, 0);
        runtime.files["C:\\Decorama\\broken.bmp"] = "BM this is no picture";
        box = &window->addPictureBox("Image7", {120, 120, 1500, 1500});
    }

    static int errorNumberOf(ui::PictureBox& box, const std::string& path) {
        try {
            box.loadPicture(path);
        } catch (const rt::Error& error) {
            return error.number();
        }
        return 0;
    }

    ui::PictureBox* box = nullptr;
};

TEST_F(NativePictureBoxTest, AFailedLoadKeepsThePicture) {
    ASSERT_EQ(errorNumberOf(*box, "C:\\Decorama\\red.bmp"), 0);
    const ui::PicturePtr loaded = box->picture();
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->widthPixels(), 3);
    EXPECT_EQ(loaded->heightPixels(), 2);

    EXPECT_EQ(errorNumberOf(*box, "C:\\Decorama\\missing.bmp"), rt::ErrFileNotFound);
    EXPECT_EQ(box->picture(), loaded);
    EXPECT_EQ(errorNumberOf(*box, "C:\\Decorama\\broken.bmp"), 481);
    EXPECT_EQ(box->picture(), loaded);

    EXPECT_EQ(errorNumberOf(*box, ""), 0);
    EXPECT_EQ(box->picture(), nullptr);
}

TEST_F(NativePictureBoxTest, APictureMadeLaterShowsAboveTheOneItSitsIn) {
    ui::PictureBox& corner = window->addPictureBox("Image3", {900, 900, 600, 600});
    POINT inside = {65, 65}; // in both, in the window's client pixels
    EXPECT_EQ(::ChildWindowFromPointEx(windowHwnd(), inside, CWP_SKIPINVISIBLE), hwndOf(corner));
    EXPECT_EQ(::GetWindow(hwndOf(corner), GW_HWNDNEXT), hwndOf(*box));
}

TEST_F(NativePictureBoxTest, PicturesAreSharedBetweenControls) {
    ui::PictureBox& holder = window->addPictureBox("imgX1", {1800, 120, 270, 270});
    holder.setVisible(false);
    holder.loadPicture("C:\\Decorama\\red.bmp");
    box->setPicture(holder.picture());
    EXPECT_EQ(box->picture(), holder.picture());
}

TEST_F(NativePictureBoxTest, AClickNeedsThePressAndTheReleaseOnTheControl) {
    std::vector<std::string> events;
    box->onMouseDown = [&](const ui::MouseEvent& event) {
        events.push_back("down" + std::to_string(event.button));
    };
    box->onClick = [&] { events.push_back("click"); };
    box->onMouseMove = [&](const ui::MouseEvent& event) {
        events.push_back("move" + std::to_string(event.x) + "," + std::to_string(event.y));
    };
    HWND picture = hwndOf(*box);

    ::SendMessageA(picture, WM_MOUSEMOVE, 0, MAKELPARAM(2, 3));
    ::SendMessageA(picture, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageA(picture, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    // Released outside the control: no click.
    ::SendMessageA(picture, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageA(picture, WM_LBUTTONUP, 0, MAKELPARAM(500, 5));
    // The right button presses but never clicks.
    ::SendMessageA(picture, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));

    native::NativeScreen& screen = windows.screen();
    const std::string move =
        "move" + std::to_string(screen.xTwips(2)) + "," + std::to_string(screen.yTwips(3));
    EXPECT_EQ(events, (std::vector<std::string>{move, "down1", "click", "down1", "down2"}));
}

TEST_F(NativePictureBoxTest, LabelsReportClicksColoursAndUnderline) {
    window->setBackColor(RGB(0, 43, 17));
    ui::Label& label = window->addLabel("Label3", "Zuve Zivi Ziz Odida", {1800, 120, 3000, 255});
    int clicks = 0;
    label.onClick = [&] { ++clicks; };

    // No colour of its own: legible on the dark window.
    EXPECT_EQ(label.foreColor(), RGB(255, 255, 255));
    label.setForeColor(RGB(0, 0, 255));
    EXPECT_EQ(label.foreColor(), RGB(0, 0, 255));

    label.setUnderline(true);
    EXPECT_TRUE(label.underline());
    LOGFONTA font = {};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(hwndOf(label), WM_GETFONT, 0, 0)), sizeof(font),
                 &font);
    EXPECT_TRUE(font.lfUnderline);

    ::SendMessageA(hwndOf(label), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ::SendMessageA(hwndOf(label), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(clicks, 1);
}

} // namespace
} // namespace nativetest
