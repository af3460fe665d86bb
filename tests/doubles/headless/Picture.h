// A picture decoded by the headless window system: its size and the file it came from.
#pragma once

#include "platform/ui/WindowSystem.h"

#include <string>
#include <utility>

namespace headless {

class Picture : public ui::Picture {
public:
    Picture(int widthPixels, int heightPixels, std::string path)
        : width_(widthPixels), height_(heightPixels), path_(std::move(path)) {}

    int widthPixels() const override { return width_; }
    int heightPixels() const override { return height_; }
    const std::string& path() const { return path_; }

private:
    int width_;
    int height_;
    std::string path_;
};

} // namespace headless
