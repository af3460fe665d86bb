// What every headless control keeps whatever its kind: its name, its bounds in
// its holder, its visibility and its share of the keyboard focus; and the check
// that a user can reach it before a test acts on it.
#pragma once

#include "headless/HeadlessWindowSystem.h"
#include "headless/Window.h"
#include "platform/ui/WindowSystem.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace headless {

// The holder of a control: the frame or tab control it sits in, nullptr on the window.
class Holder {
public:
    virtual ~Holder() = default;
    virtual const ui::Control* holder() const = 0;
};

template <class Interface> class ControlBase : public Interface, public Holder {
public:
    ControlBase(Window& window, const ui::Control* holder, std::string name, const ui::Rect& bounds)
        : window_(window), holder_(holder), name_(std::move(name)), bounds_(bounds) {}

    const std::string& name() const override { return name_; }
    void move(const ui::Rect& bounds) override { bounds_ = bounds; }
    ui::Rect bounds() const override { return bounds_; }
    void setVisible(bool visible) override { visible_ = visible; }
    bool visible() const override { return visible_; }
    void setFocus() override { window_.system().setFocus(window_, *this); }
    bool hasFocus() const override { return window_.attached() && window_.system().focusedControl() == this; }

    const ui::Control* holder() const override { return holder_; }
    Window& window() const { return window_; }

    // The user's pointer over the control; the click of a control that takes no
    // focus. Only the controls that have these events instantiate them.
    void userMouseMove(int x = 0, int y = 0, int button = 0) {
        requireReachable();
        raise(this->onMouseMove, ui::MouseEvent{button, 0, x, y});
    }
    void userClick() {
        requireReachable();
        raise(this->onClick);
    }

protected:
    // Raises an event through a copy of its handler: the handler may replace
    // itself, or close the window, while it runs. An error that escapes the
    // handler is shown and the program goes on, as the native window system does.
    template <class Handler, class... Args> void raise(const Handler& handler, const Args&... args) {
        if (!handler)
            return;
        const Handler copy = handler;
        HeadlessWindowSystem& system = window_.system();
        try {
            copy(args...);
        } catch (...) {
            system.reportUnhandled(std::current_exception());
        }
    }

    // A user can act only on a control of an open window that is visible with
    // every frame or tab control holding it.
    void requireReachable() const {
        window_.requireOpen();
        const ui::Control* control = this;
        while (control != nullptr) {
            if (!control->visible())
                throw std::logic_error("control " + name_ + " is hidden (" + control->name() + ")");
            const auto* held = dynamic_cast<const Holder*>(control);
            control = held == nullptr ? nullptr : held->holder();
        }
    }

private:
    Window& window_;
    const ui::Control* holder_;
    std::string name_;
    ui::Rect bounds_;
    bool visible_ = true;
};

} // namespace headless
