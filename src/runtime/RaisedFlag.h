// A flag raised for the length of a scope and lowered again when the scope
// ends, an error included: the "the program itself is doing this" switches
// that keep a control from reporting its own changes as the user's.
#pragma once

namespace rt {

class RaisedFlag {
public:
    explicit RaisedFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RaisedFlag() { flag_ = false; }
    RaisedFlag(const RaisedFlag&) = delete;
    RaisedFlag& operator=(const RaisedFlag&) = delete;

private:
    bool& flag_;
};

} // namespace rt
