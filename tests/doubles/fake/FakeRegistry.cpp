#include "fake/FakeRegistry.h"

#include "fake/CallLog.h"
#include "fake/TextUtil.h"

#include <cstring>

namespace fake {

namespace {

constexpr win::LONG ERROR_BAD_PATHNAME = 161;
constexpr win::LONG ERROR_NOACCESS = 998;
constexpr win::REGSAM ALL_KEY_RIGHTS = 0x3F;

// A sub-key path with a leading backslash: NT refuses it, the 95 family skips it
// (and HKEY_CLASSES_ROOT forgives it everywhere). False when refused.
bool dropLeadingBackslash(std::string& path, bool refuse) {
    if (path.empty() || path[0] != '\\')
        return true;
    path.erase(0, 1);
    return !refuse;
}

} // namespace

FakeRegistry::FakeRegistry() {
    for (const auto& [key, name] : rootKeys) {
        roots_[key] = std::make_shared<Key>();
        roots_[key]->name = name;
    }
}

FakeRegistry::Handle FakeRegistry::resolve(win::HKEY key) const {
    if (const auto root = roots_.find(key); root != roots_.end())
        return Handle{root->second, ALL_KEY_RIGHTS};
    return lookup(handles_, key, Handle{nullptr, 0});
}

win::LONG FakeRegistry::refusal(const Handle& handle, win::REGSAM needed) {
    if (!handle.key)
        return win::ERROR_INVALID_HANDLE;
    return (handle.access & needed) == needed ? win::ERROR_SUCCESS : win::ERROR_ACCESS_DENIED;
}

// Windows skips empty levels inside and at the end: "a\\b", "a\" and "a\\\\b"
// name the same key.
std::shared_ptr<FakeRegistry::Key> FakeRegistry::walk(std::shared_ptr<Key> key, const std::string& path,
                                                      bool* created) {
    for (const std::string& level : split(path, '\\')) {
        if (level.empty())
            continue;
        const auto found = key->subKeys.find(upper(level));
        if (found != key->subKeys.end()) {
            key = found->second;
            continue;
        }
        if (!created)
            return nullptr;
        auto made = std::make_shared<Key>();
        made->name = level;
        made->parent = key.get();
        key = key->subKeys[upper(level)] = made;
        *created = true;
    }
    return key;
}

win::HKEY FakeRegistry::newHandle(const std::shared_ptr<Key>& key, win::REGSAM access) {
    handles_[nextHandle_] = Handle{key, ntRules_ ? (access & ALL_KEY_RIGHTS) : ALL_KEY_RIGHTS};
    return std::exchange(nextHandle_, nextHandle_ + 4);
}

FakeRegistry::Value& FakeRegistry::valueOf(Key& key, const std::string& name) {
    Value& value = key.values[upper(name)];
    if (value.name.empty())
        value.name = name;
    return value;
}

// RegOpenKeyExA finds the key; RegCreateKeyExA also makes it, with the parent's
// KEY_CREATE_SUB_KEY right.
win::LONG FakeRegistry::openKey(win::HKEY key, const char* subKey, win::REGSAM access, win::HKEY* result,
                                win::DWORD* disposition, bool create) {
    const Handle parent = resolve(key);
    std::string path = subKey ? subKey : "";
    if (!parent.key)
        return win::ERROR_INVALID_HANDLE;
    if (!dropLeadingBackslash(path, create ? ntRules_ : key != win::HKEY_CLASSES_ROOT))
        return ERROR_BAD_PATHNAME;
    const bool exists = walk(parent.key, path) != nullptr;
    if (!exists && !create)
        return win::ERROR_FILE_NOT_FOUND;
    if (!exists && !(parent.access & win::KEY_CREATE_SUB_KEY))
        return win::ERROR_ACCESS_DENIED;
    bool created = false;
    *result = newHandle(walk(parent.key, path, &created), access);
    if (disposition)
        *disposition = exists ? win::REG_OPENED_EXISTING_KEY : win::REG_CREATED_NEW_KEY;
    return win::ERROR_SUCCESS;
}

win::LONG FakeRegistry::queryValue(win::HKEY key, const char* valueName, win::DWORD* type, win::BYTE* data,
                                   win::DWORD* size) {
    const Handle handle = resolve(key);
    if (const win::LONG status = refusal(handle, win::KEY_QUERY_VALUE))
        return status;
    const auto it = handle.key->values.find(upper(valueName ? valueName : ""));
    if (it == handle.key->values.end())
        return win::ERROR_FILE_NOT_FOUND;
    const Value& value = it->second;
    const auto needed = static_cast<win::DWORD>(value.data.size());
    if (type)
        *type = value.type;
    const bool fits = !data || *size >= needed;
    if (data && fits)
        std::memcpy(data, value.data.data(), needed);
    if (size)
        *size = needed;
    return fits ? win::ERROR_SUCCESS : win::ERROR_MORE_DATA;
}

win::LONG FakeRegistry::setValue(win::HKEY key, const char* valueName, win::DWORD type, const win::BYTE* data,
                                 win::DWORD size) {
    const Handle handle = resolve(key);
    if (const win::LONG status = refusal(handle, win::KEY_SET_VALUE))
        return status;
    if (!data && size > 0)
        return ERROR_NOACCESS;
    const std::string name = valueName ? valueName : "";
    Value& value = valueOf(*handle.key, name);
    value.type = type;
    value.data.assign(reinterpret_cast<const char*>(data), data ? size : 0);
    std::string logged = value.data;
    if ((type == win::REG_SZ || type == win::REG_EXPAND_SZ) && !logged.empty() && logged.back() == '\0')
        logged.pop_back();
    writes.push_back(RegistryWrite{fullPath(*handle.key), name, type, logged});
    return win::ERROR_SUCCESS;
}

// RegDeleteKeyA: a key with sub-keys is removed with its subtree on the 95
// family and refused with ERROR_ACCESS_DENIED on NT.
win::LONG FakeRegistry::deleteKey(win::HKEY key, const char* subKey) {
    const Handle parent = resolve(key);
    if (!parent.key)
        return win::ERROR_INVALID_HANDLE;
    const auto target = walk(parent.key, subKey);
    if (!target)
        return win::ERROR_FILE_NOT_FOUND;
    if (!target->parent || (!target->subKeys.empty() && ntRules_))
        return win::ERROR_ACCESS_DENIED;
    target->parent->subKeys.erase(upper(target->name));
    return win::ERROR_SUCCESS;
}

win::LONG FakeRegistry::deleteValue(win::HKEY key, const char* valueName) {
    const Handle handle = resolve(key);
    if (const win::LONG status = refusal(handle, win::KEY_SET_VALUE))
        return status;
    return handle.key->values.erase(upper(valueName ? valueName : "")) ? win::ERROR_SUCCESS
                                                                       : win::ERROR_FILE_NOT_FOUND;
}

win::LONG FakeRegistry::closeKey(win::HKEY key) {
    return roots_.count(key) || handles_.erase(key) ? win::ERROR_SUCCESS : win::ERROR_INVALID_HANDLE;
}

void FakeRegistry::put(win::HKEY root, const std::string& subKey, const std::string& valueName,
                       win::DWORD type, const std::string& data) {
    bool created = false;
    Value& value = valueOf(*walk(roots_.at(root), subKey, &created), valueName);
    value.type = type;
    value.data = data;
}

const FakeRegistry::Value* FakeRegistry::get(win::HKEY root, const std::string& subKey,
                                             const std::string& valueName) const {
    const auto key = walk(roots_.at(root), subKey);
    if (!key)
        return nullptr;
    const auto it = key->values.find(upper(valueName));
    return it == key->values.end() ? nullptr : &it->second;
}

std::vector<std::string> FakeRegistry::subKeyNames(win::HKEY root, const std::string& subKey) const {
    std::vector<std::string> names;
    if (const auto key = walk(roots_.at(root), subKey))
        for (const auto& sub : key->subKeys)
            names.push_back(sub.second->name);
    return names;
}

// The sub-keys in the order of their upper-case names; a name that does not fit with
// its NUL is ERROR_MORE_DATA.
win::LONG FakeRegistry::enumKey(win::HKEY key, win::DWORD index, char* name, win::DWORD size) {
    const Handle handle = resolve(key);
    if (!handle.key)
        return win::ERROR_INVALID_HANDLE;
    if (index >= handle.key->subKeys.size())
        return static_cast<win::LONG>(win::ERROR_NO_MORE_ITEMS);
    const std::string& found = std::next(handle.key->subKeys.begin(), index)->second->name;
    if (found.size() + 1 > size)
        return win::ERROR_MORE_DATA;
    std::memcpy(name, found.c_str(), found.size() + 1);
    return win::ERROR_SUCCESS;
}

std::map<std::string, std::string> FakeRegistry::contents() const {
    std::map<std::string, std::string> entries;
    const auto add = [&](const auto& self, const Key& key) -> void {
        entries[fullPath(key) + "\\"];
        for (const auto& [name, value] : key.values)
            entries[fullPath(key) + "\\" + value.name + "="] = std::to_string(value.type) + ":" + value.data;
        for (const auto& [name, subKey] : key.subKeys)
            self(self, *subKey);
    };
    for (const auto& [root, key] : roots_)
        add(add, *key);
    return entries;
}

} // namespace fake
