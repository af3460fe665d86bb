#include "headless/PictureBox.h"

#include "headless/Picture.h"
#include "platform/ui/PictureDecoder.h"

namespace headless {

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

void PictureBox::userMouseMove(int x, int y, int button) {
    requireReachable();
    raise(onMouseMove, ui::MouseEvent{button, 0, x, y});
}

} // namespace headless
