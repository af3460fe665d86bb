// The fake's construction, the test-side set-up and inspection API, and the
// fault plan's glue. The Windows calls and runtime services live in the
// FakeWindows*.cpp files next to this one, by library.
#include "fake/FakeWindows.h"

#include "runtime/Error.h"
#include "platform/WinFacts.h"
#include "fake/CallLog.h"
#include "fake/FakeDrive.h"
#include "fake/FakeMachine.h"
#include "fake/FakeProfileFile.h"
#include "fake/FakeRegistry.h"
#include "fake/FakeSettings.h"
#include "fake/FaultPlan.h"

#include <atomic>
#include <random>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

namespace fake {

namespace {

// A new, empty host folder for drive C:. A name already taken is retried under
// another; any other failure (no temporary folder, no room, no rights) cannot be
// cured by retrying and ends the set-up at once.
fs::path makeTemporaryDrive() {
    constexpr int attempts = 100;
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    const fs::path temporary = fs::temp_directory_path();
    std::error_code ec;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const fs::path candidate =
            temporary / ("decorama-fake-" + std::to_string(random()) + "-" + std::to_string(counter++));
        if (fs::create_directory(candidate, ec))
            return candidate;
        if (ec)
            throw std::runtime_error("fake Windows: cannot create drive C: at " + candidate.string() + ": " +
                                     ec.message());
    }
    throw std::runtime_error("fake Windows: no free folder name for drive C: in " + temporary.string() +
                             " after " + std::to_string(attempts) + " attempts");
}

std::string dwordBytes(win::DWORD value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

} // namespace

FakeWindows::FakeWindows() : FakeWindows(makeTemporaryDrive()) {
    machine_->ownsDrive = true;
}

FakeWindows::FakeWindows(fs::path driveRoot)
    : log_(std::make_unique<CallLog>()), faults_(std::make_unique<FaultPlan>()),
      drive_(std::make_unique<FakeDrive>(std::move(driveRoot))), registry_(std::make_unique<FakeRegistry>()),
      settings_(std::make_unique<FakeSettings>()), machine_(std::make_unique<Machine>()) {
    useVersion(Version::Win98);
    drive_->makeFolder(machine_->appPath);
}

FakeWindows::~FakeWindows() {
    if (machine_->ownsDrive) {
        drive_->clearReadOnlyMarks();
        std::error_code ec;
        fs::remove_all(drive_->root(), ec);
    }
}

// ---- set-up -------------------------------------------------------------------

void FakeWindows::useVersion(Version v) {
    version_ = v;
    registry_->setNtRules(isNtFamily(v));
    const VersionProfile& profile = profileOf(v);
    drive_->makeFolder(profile.windowsFolder);
    drive_->makeFolder(profile.systemFolder);
    drive_->makeFolder(std::string(profile.windowsFolder) + "\\TEMP");
}

void FakeWindows::setAppPath(const std::string& windowsPath) {
    std::string path = windowsPath;
    while (path.size() > 3 && (path.back() == '\\' || path.back() == '/'))
        path.pop_back();
    machine_->appPath = path;
    drive_->makeFolder(path);
}

std::string FakeWindows::windowsFolder() const {
    return profileOf(version_).windowsFolder;
}

// ---- files ----------------------------------------------------------------------

fs::path FakeWindows::driveRoot() const {
    return drive_->root();
}

fs::path FakeWindows::hostPath(const std::string& windowsPath) const {
    return drive_->locate(windowsPath).host;
}

bool FakeWindows::exists(const std::string& windowsPath) const {
    return drive_->exists(windowsPath);
}

void FakeWindows::makeFolder(const std::string& windowsPath) {
    drive_->makeFolder(windowsPath);
}

void FakeWindows::makeFile(const std::string& windowsPath, const std::string& bytes) {
    drive_->makeFile(windowsPath, bytes);
}

std::string FakeWindows::fileBytes(const std::string& windowsPath) const {
    return drive_->fileExists(windowsPath) ? FakeDrive::hostRead(drive_->locate(windowsPath).host) : "";
}

void FakeWindows::remove(const std::string& windowsPath) {
    drive_->remove(windowsPath);
}

void FakeWindows::setReadOnly(const std::string& windowsPath, bool readOnly) {
    drive_->setReadOnly(windowsPath, readOnly);
}

bool FakeWindows::isReadOnly(const std::string& windowsPath) const {
    return drive_->isReadOnly(windowsPath);
}

std::string FakeWindows::profileString(const std::string& file, const std::string& section,
                                       const std::string& key) const {
    if (!drive_->fileExists(file))
        return "";
    const FakeProfileFile profile(FakeDrive::hostRead(drive_->locate(file).host));
    return profile.read(section, key).value_or("");
}

// ---- registry ---------------------------------------------------------------------

void FakeWindows::setString(win::HKEY root, const std::string& subKey, const std::string& valueName,
                            const std::string& value) {
    registry_->put(root, subKey, valueName, win::REG_SZ, value + '\0');
}

void FakeWindows::setDword(win::HKEY root, const std::string& subKey, const std::string& valueName,
                           win::DWORD value) {
    registry_->put(root, subKey, valueName, win::REG_DWORD, dwordBytes(value));
}

std::optional<std::string> FakeWindows::getString(win::HKEY root, const std::string& subKey,
                                                  const std::string& valueName) const {
    const auto value = registry_->get(root, subKey, valueName);
    if (!value || (value->type != win::REG_SZ && value->type != win::REG_EXPAND_SZ))
        return std::nullopt;
    std::string text = value->data;
    if (!text.empty() && text.back() == '\0')
        text.pop_back();
    return text;
}

std::optional<win::DWORD> FakeWindows::getDword(win::HKEY root, const std::string& subKey,
                                                const std::string& valueName) const {
    const auto value = registry_->get(root, subKey, valueName);
    if (!value || value->type != win::REG_DWORD || value->data.size() != 4)
        return std::nullopt;
    win::DWORD result = 0;
    for (int i = 3; i >= 0; --i)
        result = (result << 8) | static_cast<unsigned char>(value->data[static_cast<std::size_t>(i)]);
    return result;
}

bool FakeWindows::keyExists(win::HKEY root, const std::string& subKey) const {
    return registry_->keyExists(root, subKey);
}

std::vector<std::string> FakeWindows::subKeyNames(win::HKEY root, const std::string& subKey) const {
    return registry_->subKeyNames(root, subKey);
}

const std::vector<FakeWindows::RegistryWrite>& FakeWindows::registryWrites() const {
    return registry_->writes();
}

std::size_t FakeWindows::openKeyCount() const {
    return registry_->openHandleCount();
}

// ---- settings stores ----------------------------------------------------------------

win::COLORREF FakeWindows::sysColor(int index) const {
    return settings_->colors.get(index);
}

void FakeWindows::setSysColor(int index, win::COLORREF color) {
    settings_->colors.set(index, color);
}

const std::vector<std::vector<std::pair<int, win::COLORREF>>>& FakeWindows::setSysColorsCalls() const {
    return settings_->colors.calls;
}

std::string FakeWindows::systemCursorFile(win::DWORD id) const {
    return settings_->cursors.systemCursorFile(id);
}

const std::vector<FakeWindows::CursorCall>& FakeWindows::setSystemCursorCalls() const {
    return settings_->cursors.calls;
}

void FakeWindows::setMetric(int index, int value) {
    if (index == win::SM_CXSCREEN || index == win::SM_CYSCREEN) {
        setScreenSize(index == win::SM_CXSCREEN ? value : settings_->metrics.get(win::SM_CXSCREEN),
                      index == win::SM_CYSCREEN ? value : settings_->metrics.get(win::SM_CYSCREEN));
        return;
    }
    settings_->metrics.set(index, value);
}

void FakeWindows::setScreenSize(int widthPixels, int heightPixels) {
    settings_->metrics.setScreenSize(widthPixels, heightPixels);
    settings_->spi.setScreenSize(widthPixels, heightPixels);
}

void FakeWindows::setLogPixels(int dpi) {
    settings_->logPixels = dpi;
}

std::string FakeWindows::deskWallpaper() const {
    return settings_->spi.bytes(win::SPI_GETDESKWALLPAPER);
}

std::int64_t FakeWindows::spiValue(win::UINT getAction) const {
    return settings_->spi.value(getAction);
}

void FakeWindows::setSpiValue(win::UINT getAction, std::int64_t value) {
    settings_->spi.setValue(getAction, value);
}

std::string FakeWindows::spiBytes(win::UINT getAction) const {
    return settings_->spi.bytes(getAction);
}

void FakeWindows::setSpiBytes(win::UINT getAction, const std::string& bytes) {
    settings_->spi.setBytes(getAction, bytes);
}

const std::vector<FakeWindows::SpiCall>& FakeWindows::spiCalls() const {
    return settings_->spi.calls;
}

// ---- other machine state ------------------------------------------------------------

void FakeWindows::setUserName(const std::string& name) {
    machine_->userName = name;
}

void FakeWindows::setComputerName(const std::string& name) {
    machine_->computerName = name;
}

std::string FakeWindows::computerName() const {
    return machine_->computerName;
}

std::string FakeWindows::pendingComputerName() const {
    return machine_->pendingComputerName;
}

void FakeWindows::setKeyState(int virtualKey, win::SHORT state) {
    if (virtualKey < 0 || virtualKey > 255)
        return;
    const auto bits = static_cast<std::uint16_t>(state);
    machine_->keys[static_cast<std::size_t>(virtualKey)] =
        static_cast<win::BYTE>(((bits & 0x8000) ? 0x80 : 0) | (bits & 1));
}

win::UINT FakeWindows::caretBlinkTime() const {
    return machine_->caretBlinkTime;
}

int FakeWindows::cursorShowCount() const {
    return machine_->cursorShowCount;
}

void FakeWindows::setUrlBody(const std::string& url, const std::string& body) {
    machine_->urlBodies[url] = body;
}

void FakeWindows::setPowerStatus(const win::SYSTEM_POWER_STATUS& status) {
    machine_->power = status;
}

void FakeWindows::setMemoryStatus(const win::MEMORYSTATUSEX& status) {
    machine_->memory = status;
}

void FakeWindows::setFreeSpace(std::uint64_t freeBytes) {
    machine_->freeBytes = freeBytes;
}

// ---- logs ---------------------------------------------------------------------------

const std::vector<std::string>& FakeWindows::callLog() const {
    return log_->lines();
}

const std::vector<FakeWindows::Process>& FakeWindows::processes() const {
    return machine_->processes;
}

const std::vector<FakeWindows::ShellRequest>& FakeWindows::shellRequests() const {
    return machine_->shellRequests;
}

const std::vector<FakeWindows::Sound>& FakeWindows::soundsPlayed() const {
    return machine_->sounds;
}

const std::vector<FakeWindows::ExitRequest>& FakeWindows::exitRequests() const {
    return machine_->exitRequests;
}

const std::vector<FakeWindows::MessageBoxRecord>& FakeWindows::messageBoxes() const {
    return machine_->messageBoxes;
}

void FakeWindows::scriptAnswers(std::vector<int> answers) {
    machine_->answers.assign(answers.begin(), answers.end());
}

const std::vector<std::string>& FakeWindows::fatalExits() const {
    return machine_->fatalExits;
}

const std::vector<std::string>& FakeWindows::downloads() const {
    return machine_->downloads;
}

void FakeWindows::clearLogs() {
    log_->clear();
    registry_->clearWrites();
    settings_->colors.calls.clear();
    settings_->cursors.calls.clear();
    settings_->spi.calls.clear();
    machine_->processes.clear();
    machine_->shellRequests.clear();
    machine_->sounds.clear();
    machine_->exitRequests.clear();
    machine_->messageBoxes.clear();
    machine_->fatalExits.clear();
    machine_->downloads.clear();
}

// ---- faults -------------------------------------------------------------------------

void FakeWindows::failOn(const std::string& operation, int nthUse, std::int32_t error) {
    faults_->failOn(operation, nthUse, error);
}

const std::vector<std::pair<std::string, int>>& FakeWindows::operationTrail() const {
    return faults_->trail();
}

bool FakeWindows::windowsFault(const char* operation, win::DWORD& code) {
    const auto fault = faults_->use(operation);
    if (!fault)
        return false;
    code = static_cast<win::DWORD>(*fault);
    return true;
}

bool FakeWindows::faulted(const char* operation, std::initializer_list<CallArg> args) {
    log_->add(operation, args);
    win::DWORD code = 0;
    if (!windowsFault(operation, code))
        return false;
    setLastErrorCode(code);
    return true;
}

void FakeWindows::runtimeFault(const char* operation) {
    const auto fault = faults_->use(operation);
    if (!fault)
        return;
    if (*fault == 58)
        throw rt::Error(rt::ErrFileAlreadyExists);
    throw rt::Error(*fault);
}

std::string FakeWindows::resolveAppPath() const {
    return machine_->appPath;
}

} // namespace fake
