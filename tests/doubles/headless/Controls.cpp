#include "headless/Controls.h"

#include "platform/InputFacts.h"
#include "platform/ui/PictureDecoder.h"
#include "runtime/Error.h"

#include <algorithm>
#include <iterator>

namespace headless {

Window::~Window() {
    if (system_ != nullptr)
        system_->forget(*this);
}

void Window::show() {
    if (closed_)
        throw std::logic_error("window \"" + caption_ + "\" was closed and cannot be shown again");
    shown_ = true;
    system().activate(*this);
}

void Window::minimize() {
    minimized_ = true;
    system().deactivate(*this);
}

void Window::close() {
    if (closed_)
        return;
    closed_ = true;
    shown_ = false;
    minimized_ = false;
    if (system_ != nullptr)
        system_->release(*this);
}

void Window::userMouseMove(int x, int y, int button) {
    requireOpen();
    const ui::MouseHandler handler = onMouseMove;
    if (handler)
        handler(ui::MouseEvent{button, 0, x, y});
}

void Window::userClose() {
    requireOpen();
    close();
    const ui::Handler handler = onClosed;
    if (handler)
        handler();
}

void Window::showModal() {
    if (owner_ == nullptr || owner_->closed_)
        throw std::logic_error("window \"" + caption_ + "\" has no open owner to be modal over");
    show();
    if (system().modalScripts_.empty())
        throw std::logic_error("no script for the modal window \"" + caption_ + "\"");
    const auto script = system().modalScripts_.front();
    system().modalScripts_.pop_front();
    script(*this);
    if (!closed_)
        throw std::logic_error("the modal window \"" + caption_ + "\" was left open");
}

void Window::userPressKey(int keyCode) {
    requireOpen();
    ui::Button* button = keyCode == win::VK_RETURN   ? defaultButton_
                         : keyCode == win::VK_ESCAPE ? cancelButton_
                                                     : nullptr;
    if (button == nullptr)
        throw std::logic_error("window \"" + caption_ + "\" has no button for key " +
                               std::to_string(keyCode));
    dynamic_cast<Button&>(*button).userClick();
}

HeadlessWindowSystem& Window::system() const {
    if (system_ == nullptr)
        throw std::logic_error("window \"" + caption_ + "\" outlived its window system");
    return *system_;
}

void Window::registerControl(ui::Control& control) {
    if (!named_.emplace(control.name(), &control).second)
        throw std::logic_error("window \"" + caption_ + "\" already has a control named " + control.name());
}

void Window::requireOpen() const {
    if (closed_)
        throw std::logic_error("window \"" + caption_ + "\" is closed");
}

namespace {

class Picture : public ui::Picture {
public:
    Picture(const ui::DecodedImage& image, std::string path)
        : width(image.width), height(image.height), path(std::move(path)) {}
    int widthPixels() const override { return width; }
    int heightPixels() const override { return height; }
    const int width;
    const int height;
    const std::string path;
};

} // namespace

void PictureBox::loadPicture(const std::string& path) {
    if (path.empty()) {
        picture_.reset();
        return;
    }
    const std::string bytes = window().system().runtime().readFile(path);
    picture_ = std::make_shared<Picture>(ui::decodePicture(bytes), path);
}

std::string PictureBox::picturePath() const {
    const auto* loaded = dynamic_cast<const Picture*>(picture_.get());
    return loaded == nullptr ? std::string() : loaded->path;
}

void ComboBox::setText(const std::string& text) {
    const bool changed = text != text_;
    text_ = text;
    if (changed)
        raise(onChange);
}

void ComboBox::userSelect(int index) {
    requireReachable();
    if (!inList(index))
        throw std::out_of_range("list " + name() + " has no item " + std::to_string(index));
    setFocus();
    select(index);
}

void ComboBox::userPressKey(int keyCode) {
    requireReachable();
    if (!hasFocus())
        throw std::logic_error("list " + name() + " does not have the focus for key " +
                               std::to_string(keyCode));
    raise(onKeyDown, keyCode);
}

std::size_t ComboBox::checked(int index) const {
    if (!inList(index))
        throw rt::Error(381, "Invalid property array index");
    return at(index);
}

void ComboBox::select(int index) {
    if (index != -1 && !inList(index))
        throw rt::Error(380, "Invalid property value");
    index_ = index;
    const std::string text = index == -1 ? std::string() : texts_[at(index)];
    const bool changed = text != text_;
    text_ = text;
    raise(onClick);
    if (changed)
        raise(onChange);
}

TabControl::TabControl(Window& window, const ui::Control* holder, std::string name,
                       std::vector<std::string> captions, const ui::Rect& bounds)
    : ControlBase(window, holder, std::move(name), bounds), captions_(std::move(captions)) {
    for (std::size_t i = 0; i < captions_.size(); ++i)
        pages_.push_back(std::make_unique<Container>(window, this));
}

void TabControl::userSelectTab(int index) {
    requireReachable();
    checked(index);
    setFocus();
    if (index == tab_)
        return;
    tab_ = index;
    raise(onClick);
}

std::size_t TabControl::checked(int index) const {
    if (index < 0 || index >= tabCount())
        throw std::out_of_range("tab control " + name() + " has no tab " + std::to_string(index));
    return static_cast<std::size_t>(index);
}

int RichTextBox::find(const std::string& text, int start) const {
    if (text.empty() || start >= length())
        return -1;
    const std::size_t found = text_.find(text, static_cast<std::size_t>(std::max(start, 0)));
    return found == std::string::npos ? -1 : static_cast<int>(found);
}

void RichTextBox::setSelStart(int start) {
    selStart_ = std::clamp(start, 0, length());
    selLength_ = 0;
}

HeadlessWindowSystem::~HeadlessWindowSystem() {
    // Windows that outlive the system must not call back into it.
    for (Window* window : windows_)
        window->detach();
}

std::unique_ptr<ui::Window> HeadlessWindowSystem::open(const std::string& caption, const ui::Rect& bounds,
                                                       ui::Window* owner) {
    auto window = std::make_unique<Window>(*this, caption, bounds,
                                           owner == nullptr ? nullptr : &dynamic_cast<Window&>(*owner));
    windows_.push_back(window.get());
    return window;
}

std::vector<Window*> HeadlessWindowSystem::openWindows() const {
    std::vector<Window*> open;
    std::copy_if(windows_.begin(), windows_.end(), std::back_inserter(open),
                 [](Window* w) { return !w->isClosed(); });
    return open;
}

void HeadlessWindowSystem::release(Window& window) {
    deactivate(window);
    if (focusWindow_ == &window) {
        focusWindow_ = nullptr;
        focused_ = nullptr;
    }
}

void HeadlessWindowSystem::forget(Window& window) {
    release(window);
    windows_.erase(std::remove(windows_.begin(), windows_.end(), &window), windows_.end());
}

} // namespace headless
