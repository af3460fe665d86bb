#include "fake/FakeRegistry.h"

#include "fake/CallLog.h"
#include "fake/TextUtil.h"

#include <cstring>

namespace fake {

namespace {

constexpr win::LONG ERROR_BAD_PATHNAME = 161;
constexpr win::LONG ERROR_NOACCESS = 998;
constexpr win::LONG ERROR_KEY_DELETED = 1018;
constexpr win::REGSAM ALL_KEY_RIGHTS = 0x3F;
constexpr win::REGSAM MAXIMUM_ALLOWED = 0x02000000;
constexpr win::REGSAM GENERIC_ALL = 0x10000000;
constexpr win::REGSAM GENERIC_EXECUTE = 0x20000000;
constexpr win::REGSAM GENERIC_WRITE = 0x40000000;
constexpr win::REGSAM GENERIC_READ = 0x80000000;

// The specific key rights an access mask grants, generic rights mapped as the
// registry's generic mapping does (read and execute: KEY_READ; write: KEY_WRITE).
win::REGSAM specificRights(win::REGSAM access) {
    win::REGSAM rights = access & ALL_KEY_RIGHTS;
    if (access & (MAXIMUM_ALLOWED | GENERIC_ALL))
        rights |= ALL_KEY_RIGHTS;
    if (access & (GENERIC_READ | GENERIC_EXECUTE))
        rights |= win::KEY_READ & ALL_KEY_RIGHTS;
    if (access & GENERIC_WRITE)
        rights |= win::KEY_WRITE & ALL_KEY_RIGHTS;
    return rights;
}

bool isStringType(win::DWORD type) {
    return type == win::REG_SZ || type == win::REG_EXPAND_SZ;
}

} // namespace

FakeRegistry::FakeRegistry() {
    for (win::HKEY key :
         {win::HKEY_CLASSES_ROOT, win::HKEY_CURRENT_USER, win::HKEY_LOCAL_MACHINE, win::HKEY_USERS,
          win::HKEY_PERFORMANCE_DATA, win::HKEY_CURRENT_CONFIG, win::HKEY_DYN_DATA}) {
        auto rootKey = std::make_shared<Key>();
        rootKey->name = rootKeyName(key);
        roots_[key] = rootKey;
    }
}

std::shared_ptr<FakeRegistry::Key> FakeRegistry::root(win::HKEY key) const {
    const auto it = roots_.find(key);
    return it == roots_.end() ? nullptr : it->second;
}

win::LONG FakeRegistry::resolveHandle(win::HKEY key, Handle& out) const {
    if (auto rootKey = root(key)) {
        out = Handle{rootKey, ALL_KEY_RIGHTS};
        return win::ERROR_SUCCESS;
    }
    const auto it = handles_.find(key);
    if (it == handles_.end())
        return win::ERROR_INVALID_HANDLE;
    if (it->second.key->deleted)
        return ERROR_KEY_DELETED;
    out = it->second;
    return win::ERROR_SUCCESS;
}

std::vector<std::string> FakeRegistry::splitPath(const std::string& path) {
    // Windows skips empty levels inside and at the end: "a\\b", "a\" and "a\\\\b"
    // name the same key. A leading backslash is refused by the callers.
    std::vector<std::string> levels;
    for (const std::string& level : split(path, '\\')) {
        if (!level.empty())
            levels.push_back(level);
    }
    return levels;
}

std::shared_ptr<FakeRegistry::Key> FakeRegistry::find(const std::shared_ptr<Key>& from,
                                                      const std::string& path) const {
    std::shared_ptr<Key> key = from;
    for (const std::string& level : splitPath(path)) {
        const auto it = key->subKeys.find(upper(level));
        if (it == key->subKeys.end())
            return nullptr;
        key = it->second;
    }
    return key;
}

std::shared_ptr<FakeRegistry::Key> FakeRegistry::findOrCreate(const std::shared_ptr<Key>& from,
                                                              const std::string& path, bool& created) {
    created = false;
    std::shared_ptr<Key> key = from;
    for (const std::string& level : splitPath(path)) {
        auto& slot = key->subKeys[upper(level)];
        if (!slot) {
            slot = std::make_shared<Key>();
            slot->name = level;
            slot->parent = key.get();
            created = true;
        }
        key = slot;
    }
    return key;
}

win::HKEY FakeRegistry::newHandle(const std::shared_ptr<Key>& key, win::REGSAM access) {
    const win::HKEY handle = nextHandle_;
    nextHandle_ += 4;
    handles_[handle] = Handle{key, ntRules_ ? specificRights(access) : ALL_KEY_RIGHTS};
    return handle;
}

std::string FakeRegistry::fullPath(const Key& key) {
    if (!key.parent)
        return key.name;
    return fullPath(*key.parent) + "\\" + key.name;
}

void FakeRegistry::markDeleted(Key& key) {
    key.deleted = true;
    for (auto& sub : key.subKeys)
        markDeleted(*sub.second);
}

// RegOpenKeyExA: a new handle to an existing key; an empty or null sub-key
// opens another handle to hKey's own key.
win::LONG FakeRegistry::openKey(win::HKEY key, const char* subKey, win::REGSAM access, win::HKEY* result) {
    if (!result)
        return win::ERROR_INVALID_PARAMETER;
    *result = 0;
    Handle parent;
    if (const win::LONG status = resolveHandle(key, parent))
        return status;
    std::string path = subKey ? subKey : "";
    if (!path.empty() && path[0] == '\\') {
        // HKEY_CLASSES_ROOT forgives one leading backslash everywhere.
        if (key != win::HKEY_CLASSES_ROOT)
            return ERROR_BAD_PATHNAME;
        path.erase(0, 1);
    }
    auto target = find(parent.key, path);
    if (!target)
        return win::ERROR_FILE_NOT_FOUND;
    *result = newHandle(target, access);
    return win::ERROR_SUCCESS;
}

// RegCreateKeyExA: opens the key, creating every missing level; creating needs
// KEY_CREATE_SUB_KEY on the handle it starts from.
win::LONG FakeRegistry::createKey(win::HKEY key, const char* subKey, win::REGSAM access, win::HKEY* result,
                                  win::DWORD* disposition) {
    if (!result)
        return win::ERROR_INVALID_PARAMETER;
    Handle parent;
    if (const win::LONG status = resolveHandle(key, parent))
        return status;
    std::string path = subKey ? subKey : "";
    if (!path.empty() && path[0] == '\\') {
        if (ntRules_)
            return ERROR_BAD_PATHNAME;
        path.erase(0, 1);
    }
    if (!find(parent.key, path) && !(parent.access & win::KEY_CREATE_SUB_KEY))
        return win::ERROR_ACCESS_DENIED;
    bool created = false;
    auto target = findOrCreate(parent.key, path, created);
    *result = newHandle(target, access);
    if (disposition)
        *disposition = created ? win::REG_CREATED_NEW_KEY : win::REG_OPENED_EXISTING_KEY;
    return win::ERROR_SUCCESS;
}

// RegQueryValueExA: with no buffer it reports type and size; a buffer that is
// too small gets nothing, the status ERROR_MORE_DATA and the size needed.
win::LONG FakeRegistry::queryValue(win::HKEY key, const char* valueName, win::DWORD* type, win::BYTE* data,
                                   win::DWORD* size) {
    if (data && !size)
        return win::ERROR_INVALID_PARAMETER;
    Handle handle;
    if (const win::LONG status = resolveHandle(key, handle))
        return status;
    if (!(handle.access & win::KEY_QUERY_VALUE))
        return win::ERROR_ACCESS_DENIED;
    const auto it = handle.key->values.find(upper(valueName ? valueName : ""));
    if (it == handle.key->values.end())
        return win::ERROR_FILE_NOT_FOUND;
    const Value& value = it->second;
    const auto needed = static_cast<win::DWORD>(value.data.size());
    if (type)
        *type = value.type;
    if (data && *size < needed) {
        *size = needed;
        return win::ERROR_MORE_DATA;
    }
    if (data && needed > 0)
        std::memcpy(data, value.data.data(), needed);
    if (size)
        *size = needed;
    return win::ERROR_SUCCESS;
}

// RegSetValueExA: needs KEY_SET_VALUE; stores the bytes exactly as given.
win::LONG FakeRegistry::setValue(win::HKEY key, const char* valueName, win::DWORD type, const win::BYTE* data,
                                 win::DWORD size) {
    Handle handle;
    if (const win::LONG status = resolveHandle(key, handle))
        return status;
    if (!(handle.access & win::KEY_SET_VALUE))
        return win::ERROR_ACCESS_DENIED;
    if (!data && size > 0)
        return ERROR_NOACCESS;
    const std::string name = valueName ? valueName : "";
    Value& value = handle.key->values[upper(name)];
    if (value.name.empty())
        value.name = name;
    value.type = type;
    value.data.assign(reinterpret_cast<const char*>(data), data ? size : 0);

    std::string logged = value.data;
    if (isStringType(type) && !logged.empty() && logged.back() == '\0')
        logged.pop_back();
    writes_.push_back(RegistryWrite{fullPath(*handle.key), name, type, logged});
    return win::ERROR_SUCCESS;
}

// RegDeleteKeyA: a key with sub-keys is removed with its subtree on the 95
// family and refused with ERROR_ACCESS_DENIED on NT. Handles still open on a
// deleted key answer ERROR_KEY_DELETED afterwards.
win::LONG FakeRegistry::deleteKey(win::HKEY key, const char* subKey) {
    if (!subKey)
        return win::ERROR_INVALID_PARAMETER;
    Handle parent;
    if (const win::LONG status = resolveHandle(key, parent))
        return status;
    auto target = find(parent.key, subKey);
    if (!target)
        return win::ERROR_FILE_NOT_FOUND;
    if (!target->parent)
        return win::ERROR_ACCESS_DENIED;
    if (!target->subKeys.empty() && ntRules_)
        return win::ERROR_ACCESS_DENIED;
    markDeleted(*target);
    target->parent->subKeys.erase(upper(target->name));
    return win::ERROR_SUCCESS;
}

win::LONG FakeRegistry::deleteValue(win::HKEY key, const char* valueName) {
    Handle handle;
    if (const win::LONG status = resolveHandle(key, handle))
        return status;
    if (!(handle.access & win::KEY_SET_VALUE))
        return win::ERROR_ACCESS_DENIED;
    if (handle.key->values.erase(upper(valueName ? valueName : "")) == 0)
        return win::ERROR_FILE_NOT_FOUND;
    return win::ERROR_SUCCESS;
}

// RegCloseKey: closing a predefined root succeeds and changes nothing.
win::LONG FakeRegistry::closeKey(win::HKEY key) {
    if (root(key))
        return win::ERROR_SUCCESS;
    if (handles_.erase(key) == 0)
        return win::ERROR_INVALID_HANDLE;
    return win::ERROR_SUCCESS;
}

void FakeRegistry::put(win::HKEY rootHandle, const std::string& subKey, const std::string& valueName,
                       win::DWORD type, const std::string& data) {
    auto rootKey = root(rootHandle);
    if (!rootKey)
        return;
    bool created = false;
    auto key = findOrCreate(rootKey, subKey, created);
    Value& value = key->values[upper(valueName)];
    if (value.name.empty())
        value.name = valueName;
    value.type = type;
    value.data = data;
}

std::optional<FakeRegistry::StoredValue> FakeRegistry::get(win::HKEY rootHandle, const std::string& subKey,
                                                           const std::string& valueName) const {
    auto rootKey = root(rootHandle);
    auto key = rootKey ? find(rootKey, subKey) : nullptr;
    if (!key)
        return std::nullopt;
    const auto it = key->values.find(upper(valueName));
    if (it == key->values.end())
        return std::nullopt;
    return StoredValue{it->second.type, it->second.data};
}

bool FakeRegistry::keyExists(win::HKEY rootHandle, const std::string& subKey) const {
    auto rootKey = root(rootHandle);
    return rootKey && find(rootKey, subKey);
}

std::vector<std::string> FakeRegistry::subKeyNames(win::HKEY rootHandle, const std::string& subKey) const {
    std::vector<std::string> names;
    auto rootKey = root(rootHandle);
    auto key = rootKey ? find(rootKey, subKey) : nullptr;
    if (key) {
        for (const auto& sub : key->subKeys)
            names.push_back(sub.second->name);
    }
    return names;
}

} // namespace fake
