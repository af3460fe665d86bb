// The screen of the headless window system: a size in pixels, the twips of one
// pixel, and the mouse pointer shape with the history of its changes.
#pragma once

#include "platform/ui/WindowSystem.h"

#include <vector>

namespace headless {

class Screen : public ui::Screen {
public:
    Screen(int widthPixels, int heightPixels, int twipsPerPixel)
        : widthPixels_(widthPixels), heightPixels_(heightPixels), twipsPerPixel_(twipsPerPixel) {}

    int width() const override { return widthPixels_ * twipsPerPixel_; }
    int height() const override { return heightPixels_ * twipsPerPixel_; }
    int twipsPerPixelX() const override { return twipsPerPixel_; }
    int twipsPerPixelY() const override { return twipsPerPixel_; }
    void setMousePointer(int pointer) override {
        pointer_ = pointer;
        history_.push_back(pointer);
    }
    int mousePointer() const override { return pointer_; }

    // Every pointer shape set, in order (the hourglass-then-arrow of long operations).
    const std::vector<int>& mousePointerHistory() const { return history_; }

private:
    int widthPixels_;
    int heightPixels_;
    int twipsPerPixel_;
    int pointer_ = ui::vbDefault;
    std::vector<int> history_;
};

} // namespace headless
