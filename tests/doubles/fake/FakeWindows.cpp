// The fake's construction, its test-side API, the fault plan's glue, and the
// runtime services: application facts, processes, message boxes from a script.
#include "fake/FakeWindows.h"

#include "runtime/Error.h"

namespace fake {

namespace {

std::string programOf(const std::string& commandLine) {
    const std::string line = trim(commandLine);
    if (!line.empty() && line[0] == '"')
        return line.substr(1, line.find('"', 1) - 1); // to the end when the quote is not closed
    return line.substr(0, line.find(' '));
}

bool isAbsolutePath(const std::string& path) {
    return (path.size() >= 2 && path[1] == ':') || (!path.empty() && (path[0] == '\\' || path[0] == '/'));
}

} // namespace

FakeWindows::FakeWindows() {
    useVersion(Version::Win98);
    drive_.makeFolder(appFolder);
}

void FakeWindows::useVersion(Version v) {
    version_ = v;
    registry.setNtRules(isNtFamily(v));
    drive_.makeFolder(systemFolder());
    if (const std::optional<std::string> appData = applicationDataFolder())
        drive_.makeFolder(*appData);
    // Every NT profile is a workstation, which NT names "WinNT" here.
    if (isNtFamily(v))
        setString(win::HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\ProductOptions",
                  "ProductType", "WinNT");
}

void FakeWindows::clearLogs() {
    log.lines.clear();
    trail_.clear();
    registry.writes.clear();
    settings.colors.calls.clear();
    settings.cursors.calls.clear();
    settings.spi.calls.clear();
    processes.clear();
    shellRequests.clear();
    sounds.clear();
    exitRequests.clear();
    messageBoxes.clear();
    downloads.clear();
}

std::optional<std::int32_t> FakeWindows::plannedFault(const std::string& operation, Kind kind) {
    const int use = ++uses_[operation];
    trail_.push_back({operation, kind, log.lines.back()});
    const auto& planned = plannedFaults_[operation];
    const auto fault = planned.find(use);
    return fault == planned.end() ? std::nullopt : std::optional<std::int32_t>(fault->second);
}

void FakeWindows::runtimeCall(const char* operation, std::initializer_list<CallArg> args, Kind kind) {
    log.add(operation, args);
    if (const auto fault = plannedFault(operation, kind))
        throw rt::Error(*fault);
}

rt::AppVersion FakeWindows::appVersion() {
    runtimeCall("appVersion", {}, Kind::ApplicationFact);
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
        if (!drive_.fileExists(path) && !drive_.fileExists(path + ".exe"))
            throw rt::Error(rt::ErrFileNotFound);
    }
    processes.push_back(Process{commandLine, showMode});
    return std::exchange(nextProcessId, nextProcessId + 4);
}

int FakeWindows::MsgBox(const std::string& prompt, int style, const std::string& title) {
    runtimeCall("MsgBox", {prompt, style, title}, Kind::MessageBox);
    int answer = rt::vbOK;
    if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    }
    messageBoxes.push_back(MessageBoxRecord{prompt, style, title, answer});
    return answer;
}

} // namespace fake
