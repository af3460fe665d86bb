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
    return resolveAppPath();
}

std::string FakeWindows::appTitle() {
    log.add("appTitle", {});
    return "Decorama";
}

rt::AppVersion FakeWindows::appVersion() {
    log.add("appVersion", {});
    return rt::AppVersion{DECORAMA_VERSION_MAJOR, DECORAMA_VERSION_MINOR, DECORAMA_VERSION_PATCH};
}

std::string FakeWindows::Dir(const std::string& path) {
    log.add("Dir", {path});
    runtimeFault("Dir");
    return drive_->dir(path);
}

void FakeWindows::FileCopy(const std::string& source, const std::string& destination) {
    log.add("FileCopy", {source, destination});
    runtimeFault("FileCopy");
    drive_->copyFile(source, destination);
}

void FakeWindows::Kill(const std::string& path) {
    log.add("Kill", {path});
    runtimeFault("Kill");
    drive_->kill(path);
}

void FakeWindows::Name(const std::string& oldPath, const std::string& newPath) {
    log.add("Name", {oldPath, newPath});
    runtimeFault("Name");
    drive_->rename(oldPath, newPath);
}

std::string FakeWindows::readFile(const std::string& path) {
    log.add("readFile", {path});
    runtimeFault("readFile");
    return drive_->readFile(path);
}

std::string FakeWindows::readBytes(const std::string& path, std::uint64_t offset, std::size_t count) {
    log.add("readBytes", {path, offset, count});
    runtimeFault("readBytes");
    return drive_->readBytes(path, offset, count);
}

void FakeWindows::writeFile(const std::string& path, const std::string& data) {
    log.add("writeFile", {path, data.size()});
    runtimeFault("writeFile");
    drive_->writeFile(path, data);
}

void FakeWindows::writeBytes(const std::string& path, std::uint64_t offset, const std::string& data) {
    log.add("writeBytes", {path, offset, data.size()});
    runtimeFault("writeBytes");
    drive_->writeBytes(path, offset, data);
}

std::uint32_t FakeWindows::Shell(const std::string& commandLine, int showMode) {
    log.add("Shell", {commandLine, showMode});
    runtimeFault("Shell");
    const std::string program = programOf(commandLine);
    if (program.empty())
        throw rt::Error(rt::ErrInvalidProcedureCall);
    const bool namedByPath = program.find_first_of("\\/:") != std::string::npos;
    if (namedByPath) {
        const std::string path = isAbsolutePath(program) ? program : resolveAppPath() + "\\" + program;
        if (!drive_->fileExists(path) && !drive_->fileExists(path + ".exe"))
            throw rt::Error(rt::ErrFileNotFound);
    }
    processes.push_back(Process{commandLine, showMode});
    const std::uint32_t id = nextProcessId;
    nextProcessId += 4;
    return id;
}

int FakeWindows::MsgBox(const std::string& prompt, int style, const std::string& title) {
    log.add("MsgBox", {prompt, style, title});
    runtimeFault("MsgBox");
    int answer = rt::vbOK;
    if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    }
    messageBoxes.push_back(MessageBoxRecord{prompt, style, title, answer});
    return answer;
}

} // namespace fake
