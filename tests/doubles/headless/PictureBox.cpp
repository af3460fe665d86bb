#include "headless/PictureBox.h"

#include "platform/ui/PictureDecoder.h"

namespace headless {

namespace {

// A picture decoded by the headless window system: its size and the file it came from.
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

} // namespace

PictureBox::PictureBox(Window& window, const ui::Control* holder, std::string name, const ui::Rect& bounds)
    : ControlBase(window, holder, std::move(name), bounds) {}

void PictureBox::loadPicture(const std::string& path) {
    if (path.empty()) {
        picture_.reset();
        return;
    }
    // Both steps throw before anything changes: the control keeps its picture.
    const std::string bytes = window().system().runtime().readFile(path);
    const ui::DecodedImage image = ui::decodePicture(bytes);
    picture_ = std::make_shared<Picture>(image.width, image.height, path);
}

std::string PictureBox::picturePath() const {
    const auto* loaded = dynamic_cast<const Picture*>(picture_.get());
    return loaded == nullptr ? std::string() : loaded->path();
}

void PictureBox::userClick() {
    userMouseDown(ui::LeftButton);
    raise(onClick);
}

void PictureBox::userMouseDown(int button, int x, int y) {
    requireReachable();
    raise(onMouseDown, ui::MouseEvent{button, 0, x, y});
}

} // namespace headless
