// Message boxes, as the window system offers them: the call blocks until the
// user answers and returns the button pressed. The native window system shows
// real ones; the fake Windows logs them and answers from a script.
#pragma once

#include <string>

namespace rt {

// Style bits, combined by addition as the program writes them (273 = 1 + 16 + 256).
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbDefaultButton2 = 256,
};

enum MsgBoxResult : int {
    vbOK = 1,
    vbCancel = 2,
    vbYes = 6,
    vbNo = 7,
};

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual int MsgBox(const std::string& prompt, int style, const std::string& title) = 0;
};

} // namespace rt
