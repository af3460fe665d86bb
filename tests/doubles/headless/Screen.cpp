#include "headless/Screen.h"

namespace headless {

Screen::Screen(int widthPixels, int heightPixels, int twipsPerPixel)
    : widthPixels_(widthPixels), heightPixels_(heightPixels), twipsPerPixel_(twipsPerPixel) {}

void Screen::setMousePointer(int pointer) {
    pointer_ = pointer;
    history_.push_back(pointer);
}

void Screen::setSizePixels(int widthPixels, int heightPixels) {
    widthPixels_ = widthPixels;
    heightPixels_ = heightPixels;
}

} // namespace headless
