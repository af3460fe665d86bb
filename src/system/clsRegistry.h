// Registry keys and values by root handle and key name: creates and deletes keys,
// reads and writes REG_SZ and REG_DWORD values. Every operation returns the
// Windows status of the registry call it reports (0 is success), or -1 where a
// value cannot be read as a string or a number.
#pragma once

#include "platform/WinTypes.h"

#include <cstdint>
#include <string>

namespace win {
class WindowsApi;
}

namespace sys {

// A value handed to SetKeyValue: text or number, converted to what the value type
// code asks for (REG_SZ: text; REG_DWORD: a 32-bit integer).
class RegistryValue {
public:
    RegistryValue(std::string text);
    RegistryValue(const char* text);
    RegistryValue(double number);
    RegistryValue(std::int32_t number);

    // Numbers in their shortest decimal form.
    std::string toText() const;
    // Rounded half to even; rt::Error 13 for text that is not a number, 6 when it does not fit.
    std::int32_t toLong() const;

private:
    bool isText_;
    std::string text_;
    double number_ = 0;
};

class clsRegistry {
public:
    explicit clsRegistry(win::WindowsApi& api);

    // The handle the last QueryKeyValue opened (already closed again).
    win::HKEY KeyHandle() const { return keyHandle_; }
    // The text the last QueryKeyValue read from a string value.
    const std::string& StringKeyValue() const { return stringKeyValue_; }
    // The number the last QueryKeyValue read from a number value, -1 when that read failed.
    std::int32_t LongKeyValue() const { return longKeyValue_; }

    // Creates or opens the key keyName + subKeyName (joined as they are) below root.
    std::int32_t CreateKey(const std::string& keyName, const std::string& subKeyName, win::HKEY root);
    // Writes one value into an existing key; a type code other than 1 or 4 writes nothing.
    std::int32_t SetKeyValue(const std::string& keyName, const std::string& valueName,
                             const RegistryValue& value, std::int32_t valueType, win::HKEY root);
    std::int32_t QueryKeyValue(const std::string& keyName, const std::string& valueName, win::HKEY root);
    std::int32_t DeleteKey(win::HKEY root, const std::string& keyName);
    std::int32_t DeleteKeyValue(const std::string& keyName, const std::string& valueName, win::HKEY root);

private:
    win::HKEY openKey(win::HKEY root, const std::string& keyName);
    std::int32_t OpenOrCreateKey(win::HKEY root, const std::string& keyPath);
    std::int32_t WriteValue(win::HKEY key, const std::string& valueName, std::int32_t valueType,
                            const RegistryValue& value);
    std::int32_t ReadValue(win::HKEY key, const std::string& valueName);

    win::WindowsApi& api_;
    win::HKEY keyHandle_ = 0;
    std::string stringKeyValue_;
    std::int32_t longKeyValue_ = 0;
};

} // namespace sys
