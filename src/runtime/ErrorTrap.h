// An error trap over a sequence of steps: each step runs unless an earlier one
// ended the sequence; when a step fails with an rt::Error the trap's rule says
// whether the sequence goes on with the next step or ends there. It lets a
// handler read as the numbered sequence it implements, with its rule on top:
//
//     ErrorTrap onError(skipMissingFiles);    // 53 skips a step, anything else ends
//     onError([&] { runtime.FileCopy(a, b); });
//     onError([&] { runtime.FileCopy(c, d); });
#pragma once

#include "runtime/Error.h"

#include <functional>
#include <utility>

namespace rt {

class ErrorTrap {
public:
    // Returns true to go on with the next step, false to end the sequence.
    using Rule = std::function<bool(const Error&)>;

    explicit ErrorTrap(Rule rule) : rule_(std::move(rule)) {}

    // Runs one step; returns whether the sequence goes on.
    template <class Step> bool operator()(Step&& step) {
        if (ended_)
            return false;
        try {
            std::forward<Step>(step)();
        } catch (const Error& error) {
            ended_ = !rule_(error);
        }
        return !ended_;
    }

    bool ended() const { return ended_; }

private:
    Rule rule_;
    bool ended_ = false;
};

// A file that is not found skips its step; any other error ends the sequence silently.
inline bool skipMissingFiles(const Error& error) {
    return error.number() == ErrFileNotFound;
}

// Any error ends the sequence silently.
inline bool endAtAnyError(const Error&) {
    return false;
}

// Every error skips its step and the sequence goes on.
inline bool passOver(const Error&) {
    return true;
}

// One step whose error is passed over, outside a sequence: true when it ran to
// its end, false when an rt::Error ended it.
template <class Step> bool attempt(Step&& step) {
    try {
        std::forward<Step>(step)();
        return true;
    } catch (const Error&) {
        return false;
    }
}

} // namespace rt
