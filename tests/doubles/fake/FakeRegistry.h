// An in-memory registry: seven predefined roots, keys and values found without
// regard to case (a name keeps the case it was first written with), handles that
// remember their access, and the Windows status codes. Three rules follow the
// family, as in Wine's advapi32: deleting a key with sub-keys removes the subtree
// on the 95 family and is refused (ERROR_ACCESS_DENIED) on NT; only NT enforces
// a handle's access rights (specific rights; generic ones are not mapped); a
// sub-key path with a leading backslash is refused on NT (ERROR_BAD_PATHNAME)
// and skipped by the 95 family's RegCreateKeyExA.
#pragma once

#include "platform/WinTypes.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fake {

struct RegistryWrite {
    std::string keyPath;   // "HKEY_CURRENT_USER\Control Panel\Colors"
    std::string valueName; // "" for the default value
    win::DWORD type;
    std::string data; // the bytes written; a string type without its NUL
};

class FakeRegistry {
public:
    FakeRegistry();
    // The rules of NT (true) or of the 95 family (false).
    void setNtRules(bool ntRules) { ntRules_ = ntRules; }
    win::LONG openKey(win::HKEY key, const char* subKey, win::REGSAM access, win::HKEY* result,
                      win::DWORD* disposition = nullptr, bool create = false);
    win::LONG queryValue(win::HKEY key, const char* valueName, win::DWORD* type, win::BYTE* data,
                         win::DWORD* size);
    win::LONG setValue(win::HKEY key, const char* valueName, win::DWORD type, const win::BYTE* data,
                       win::DWORD size);
    win::LONG deleteKey(win::HKEY key, const char* subKey);
    win::LONG deleteValue(win::HKEY key, const char* valueName);
    win::LONG closeKey(win::HKEY key);
    win::LONG enumKey(win::HKEY key, win::DWORD index, char* name, win::DWORD size);
    void put(win::HKEY root, const std::string& subKey, const std::string& valueName, win::DWORD type,
             const std::string& data);
    struct Value {
        std::string name;
        win::DWORD type = win::REG_NONE;
        std::string data;
    };
    // The value as stored, nullptr when there is none.
    const Value* get(win::HKEY root, const std::string& subKey, const std::string& valueName) const;
    bool keyExists(win::HKEY root, const std::string& subKey) const {
        return walk(roots_.at(root), subKey) != nullptr;
    }
    std::vector<std::string> subKeyNames(win::HKEY root, const std::string& subKey) const;
    std::size_t openHandleCount() const { return handles_.size(); }
    // Every key ("HKEY_CURRENT_USER\\Control Panel\\") and value ("...\\Colors\\Window=")
    // with its type and bytes, for comparing whole registries.
    std::map<std::string, std::string> contents() const;
    std::vector<RegistryWrite> writes;

private:
    struct Key {
        std::string name;
        Key* parent = nullptr;
        std::map<std::string, std::shared_ptr<Key>> subKeys; // by upper-case name
        std::map<std::string, Value> values;                 // by upper-case name
    };
    struct Handle {
        std::shared_ptr<Key> key;
        win::REGSAM access;
    };
    Handle resolve(win::HKEY key) const;
    // ERROR_INVALID_HANDLE, ERROR_ACCESS_DENIED without the access needed, or ERROR_SUCCESS.
    static win::LONG refusal(const Handle& handle, win::REGSAM needed);
    static std::shared_ptr<Key> walk(std::shared_ptr<Key> from, const std::string& path,
                                     bool* created = nullptr);
    win::HKEY newHandle(const std::shared_ptr<Key>& key, win::REGSAM access);
    static std::string fullPath(const Key& key) {
        return key.parent ? fullPath(*key.parent) + "\\" + key.name : key.name;
    }
    static Value& valueOf(Key& key, const std::string& name);
    std::map<win::HKEY, std::shared_ptr<Key>> roots_;
    std::map<win::HKEY, Handle> handles_;
    win::HKEY nextHandle_ = 0x100;
    bool ntRules_ = false;
};

} // namespace fake
