#include "headless/Window.h"

#include "headless/HeadlessWindowSystem.h"

#include <stdexcept>
#include <utility>

namespace headless {

Window::Window(HeadlessWindowSystem& system, std::string caption, Style, const ui::Rect& bounds)
    : system_(&system), caption_(std::move(caption)), bounds_(bounds), contents_(*this, nullptr) {}

Window::~Window() {
    if (system_ != nullptr)
        system_->forget(*this);
}

void Window::show() {
    if (closed_)
        throw std::logic_error("window \"" + caption_ + "\" was closed and cannot be shown again");
    shown_ = true;
    // Showing a window that is already shown activates it, as VB's Show does.
    system().activate(*this);
}

bool Window::isActive() const {
    return system_ != nullptr && system_->activeWindow() == this;
}

void Window::minimize() {
    minimized_ = true;
    system().deactivate(*this);
}

void Window::close() {
    if (closed_)
        return;
    // The controls stay in memory so that a handler that closed its own window
    // can return safely; they are out of the user's reach from now on.
    closed_ = true;
    shown_ = false;
    minimized_ = false;
    if (system_ != nullptr)
        system_->release(*this);
}

ui::Control* Window::control(const std::string& name) const {
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

void Window::userMouseMove(int x, int y, int button) {
    requireOpen();
    // Copies: a handler may replace itself while it runs.
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

void Window::userActivate() {
    requireOpen();
    if (!shown_)
        throw std::logic_error("window \"" + caption_ + "\" is not shown");
    minimized_ = false;
    system().activate(*this);
}

HeadlessWindowSystem& Window::system() const {
    if (system_ == nullptr)
        throw std::logic_error("window \"" + caption_ + "\" outlived its window system");
    return *system_;
}

void Window::registerControl(ui::Control& control) {
    if (!controls_.emplace(control.name(), &control).second)
        throw std::logic_error("window \"" + caption_ + "\" already has a control named " + control.name());
}

void Window::requireOpen() const {
    if (closed_)
        throw std::logic_error("window \"" + caption_ + "\" is closed");
}

} // namespace headless
