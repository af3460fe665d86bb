// The runtime services and the message boxes of the fake: application facts,
// the file services over drive C:, starting processes, and message boxes
// answered from a script.
#include "fake/FakeWindows.h"

#include "runtime/Error.h"
#include "fake/CallLog.h"
#include "fake/FakeDrive.h"
#include "fake/TextUtil.h"

namespace fake {

namespace {

std::string programOf(const std::string& commandLine) {
    const std::string line = trim(commandLine);
    if (!line.empty() && line[0] == '"') {
        const auto close = line.find('"', 1);
        return line.substr(1, close == std::string::npos ? std::string::npos : close - 1);
    }
    return line.substr(0, line.find(' '));
}

bool isAbsolutePath(const std::string& path) {
    return (path.size() >= 2 && path[1] == ':') || (!path.empty() && (path[0] == '\\' || path[0] == '/'));
}

} // namespace

std::string FakeWindows::appPath() {
    log.add("appPath", {});
    return appFolder;
}

std::string FakeWindows::appTitle() {
    log.add("appTitle", {});
    return "Decorama";
}

rt::AppVersion FakeWindows::appVersion() {
    log.add("appVersion", {});
    return rt::AppVersion{DECORAMA_VERSION_MAJOR, DECORAMA_VERSION_MINOR, DECORAMA_VERSION_PATCH};
}

std::uint32_t FakeWindows::Shell(const std::string& commandLine, int showMode) {
    runtimeCall("Shell", {commandLine, showMode});
    const std::string program = programOf(commandLine);
    if (program.empty())
        throw rt::Error(rt::ErrInvalidProcedureCall);
    const bool namedByPath = program.find_first_of("\\/:") != std::string::npos;
    if (namedByPath) {
        const std::string path = isAbsolutePath(program) ? program : appFolder + "\\" + program;
        if (!drive_->fileExists(path) && !drive_->fileExists(path + ".exe"))
            throw rt::Error(rt::ErrFileNotFound);
    }
    processes.push_back(Process{commandLine, showMode});
    return std::exchange(nextProcessId, nextProcessId + 4);
}

int FakeWindows::MsgBox(const std::string& prompt, int style, const std::string& title) {
    runtimeCall("MsgBox", {prompt, style, title});
    int answer = rt::vbOK;
    if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    }
    messageBoxes.push_back(MessageBoxRecord{prompt, style, title, answer});
    return answer;
}

} // namespace fake
