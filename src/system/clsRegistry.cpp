#include "system/clsRegistry.h"

#include "runtime/TextConv.h"
#include "platform/WinHolders.h"

#include <cstring>
#include <utility>

namespace sys {
namespace {

// The six specific key rights, without the standard rights.
constexpr win::REGSAM KeyAllSpecificRights = win::KEY_QUERY_VALUE | win::KEY_SET_VALUE |
                                             win::KEY_CREATE_SUB_KEY | win::KEY_ENUMERATE_SUB_KEYS |
                                             win::KEY_NOTIFY | win::KEY_CREATE_LINK;
static_assert(KeyAllSpecificRights == 0x3F, "the six specific key rights");

constexpr std::int32_t ReadFailed = -1;

} // namespace

RegistryValue::RegistryValue(std::string text) : isText_(true), text_(std::move(text)) {}
RegistryValue::RegistryValue(const char* text) : isText_(true), text_(text) {}
RegistryValue::RegistryValue(double number) : isText_(false), number_(number) {}
RegistryValue::RegistryValue(std::int32_t number) : isText_(false), number_(number) {}

std::string RegistryValue::toText() const {
    return isText_ ? text_ : rt::CStr(number_);
}

std::int32_t RegistryValue::toLong() const {
    return isText_ ? rt::CLng(text_) : rt::CLng(number_);
}

clsRegistry::clsRegistry(win::WindowsApi& api) : api_(api) {}

win::HKEY clsRegistry::openKey(win::HKEY root, const std::string& keyName) {
    // The open's own status is not reported: a failed open leaves handle 0 and the
    // call that follows reports the failure (the key closers close it all the same).
    win::HKEY key = 0;
    api_.RegOpenKeyExA(root, keyName.c_str(), 0, KeyAllSpecificRights, &key);
    return key;
}

std::int32_t clsRegistry::CreateKey(const std::string& keyName, const std::string& subKeyName,
                                    win::HKEY root) {
    return OpenOrCreateKey(root, keyName + subKeyName);
}

std::int32_t clsRegistry::OpenOrCreateKey(win::HKEY root, const std::string& keyPath) {
    win::HKEY key = 0;
    win::DWORD disposition = 0;
    const win::LONG status =
        api_.RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, win::REG_OPTION_NON_VOLATILE,
                             KeyAllSpecificRights, nullptr, &key, &disposition);
    const win::KeyCloser closer(api_, key);
    return status;
}

std::int32_t clsRegistry::SetKeyValue(const std::string& keyName, const std::string& valueName,
                                      const RegistryValue& value, std::int32_t valueType, win::HKEY root) {
    const win::HKEY key = openKey(root, keyName);
    const win::KeyCloser closer(api_, key);
    return WriteValue(key, valueName, valueType, value);
}

std::int32_t clsRegistry::WriteValue(win::HKEY key, const std::string& valueName, std::int32_t valueType,
                                     const RegistryValue& value) {
    switch (valueType) {
    case static_cast<std::int32_t>(win::REG_SZ): {
        const std::string text = value.toText();
        return api_.RegSetValueExA(key, valueName.c_str(), 0, win::REG_SZ,
                                   reinterpret_cast<const win::BYTE*>(text.c_str()),
                                   static_cast<win::DWORD>(text.size() + 1));
    }
    case static_cast<std::int32_t>(win::REG_DWORD): {
        const std::int32_t number = value.toLong();
        win::BYTE bytes[sizeof number];
        std::memcpy(bytes, &number, sizeof number);
        return api_.RegSetValueExA(key, valueName.c_str(), 0, win::REG_DWORD, bytes, sizeof bytes);
    }
    default:
        return 0;
    }
}

std::int32_t clsRegistry::QueryKeyValue(const std::string& keyName, const std::string& valueName,
                                        win::HKEY root) {
    const win::HKEY key = openKey(root, keyName);
    keyHandle_ = key;
    const win::KeyCloser closer(api_, key);
    return ReadValue(key, valueName);
}

std::int32_t clsRegistry::ReadValue(win::HKEY key, const std::string& valueName) {
    // 1. Type and byte count first.
    win::DWORD type = 0;
    win::DWORD size = 0;
    if (api_.RegQueryValueExA(key, valueName.c_str(), nullptr, &type, nullptr, &size) != win::ERROR_SUCCESS)
        return ReadFailed;

    switch (type) {
    case win::REG_SZ: {
        // 2. A string holds at least its NUL; a zero byte count has no text to take.
        if (size == 0)
            return ReadFailed;
        std::string buffer(size, '\0');
        win::DWORD count = size;
        const win::LONG status = api_.RegQueryValueExA(key, valueName.c_str(), nullptr, &type,
                                                       reinterpret_cast<win::BYTE*>(buffer.data()), &count);
        stringKeyValue_ = status == win::ERROR_SUCCESS ? buffer.substr(0, size - 1) : std::string();
        return status;
    }
    case win::REG_DWORD: {
        // 3. Never more than the 4 bytes of the number, whatever byte count the value reports.
        std::int32_t number = 0;
        win::DWORD count = sizeof number;
        const win::LONG status = api_.RegQueryValueExA(key, valueName.c_str(), nullptr, &type,
                                                       reinterpret_cast<win::BYTE*>(&number), &count);
        longKeyValue_ = status == win::ERROR_SUCCESS ? number : -1;
        return status;
    }
    default:
        // 4. Neither string nor number.
        return ReadFailed;
    }
}

std::int32_t clsRegistry::DeleteKey(win::HKEY root, const std::string& keyName) {
    return api_.RegDeleteKeyA(root, keyName.c_str());
}

std::int32_t clsRegistry::DeleteKeyValue(const std::string& keyName, const std::string& valueName,
                                         win::HKEY root) {
    const win::HKEY key = openKey(root, keyName);
    const win::KeyCloser closer(api_, key);
    return api_.RegDeleteValueA(key, valueName.c_str());
}

} // namespace sys
