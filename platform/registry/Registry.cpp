#include "platform/registry/Registry.h"

#include "platform/registry/RegistryFile.h"

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>

namespace {

constexpr uintptr_t kFirstRoot = 0x80000000u;
const char* const kRootNames[] = {
    "HKEY_CLASSES_ROOT",     "HKEY_CURRENT_USER",   "HKEY_LOCAL_MACHINE", "HKEY_USERS",
    "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA"};
constexpr uintptr_t kRootCount = std::size(kRootNames);

using KeyPath = std::vector<std::string>;

// The keys opened through RegOpenKeyEx and RegCreateKeyEx, by handle: each is its path from
// the root, so that every call finds the key as the file now holds it.
struct HandleTable {
    std::mutex mutex;
    std::map<uintptr_t, KeyPath> keys;
    uintptr_t next = 0x1000;
};

HandleTable& handles() {
    static HandleTable table;
    return table;
}

thread_local DWORD t_lastError = 0;

bool IsRoot(HKEY key) {
    const auto value = reinterpret_cast<uintptr_t>(key);
    return value >= kFirstRoot && value < kFirstRoot + kRootCount;
}

// The path of a root or an opened key; FALSE for anything else.
bool PathOf(HKEY key, KeyPath& path) {
    if (IsRoot(key)) {
        path = {kRootNames[reinterpret_cast<uintptr_t>(key) - kFirstRoot]};
        return true;
    }
    std::lock_guard guard(handles().mutex);
    const auto found = handles().keys.find(reinterpret_cast<uintptr_t>(key));
    if (found == handles().keys.end())
        return false;
    path = found->second;
    return true;
}

HKEY NewHandle(KeyPath path) {
    std::lock_guard guard(handles().mutex);
    const uintptr_t handle = handles().next++;
    handles().keys[handle] = std::move(path);
    return reinterpret_cast<HKEY>(handle);
}

// Splits a subkey path at its backslashes; one closing backslash is allowed, empty names
// elsewhere are not.
LONG SplitSubkey(LPCTSTR subkey, KeyPath& path) {
    if (!subkey || !*subkey)
        return ERROR_SUCCESS;
    std::string_view rest(subkey);
    if (rest.back() == '\\')
        rest.remove_suffix(1);
    while (true) {
        const size_t end = rest.find('\\');
        const std::string_view name = rest.substr(0, end);
        if (name.empty())
            return ERROR_BAD_PATHNAME;
        path.emplace_back(name);
        if (end == std::string_view::npos)
            return ERROR_SUCCESS;
        rest.remove_prefix(end + 1);
    }
}

FILETIME Now() {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    return now;
}

// The key of a handle's path as the tree holds it; a root is there even while it is empty.
const RegistryKeyNode* FindKey(const RegistryTree& tree, const KeyPath& path) {
    static const RegistryKeyNode emptyRoot;
    const RegistryKeyNode* key = tree.Find(path);
    return key ? key : (path.size() == 1 ? &emptyRoot : nullptr);
}

RegistryKeyNode* FindKeyToChange(RegistryTree& tree, const KeyPath& path) {
    if (path.size() == 1)
        return tree.Top().AddSubkey(path.front(), FILETIME{});
    return tree.Find(path);
}

// Runs `read` on the key of `key`: ERROR_INVALID_HANDLE for an unknown handle,
// ERROR_KEY_DELETED when the key is gone.
template <typename Read> LONG ReadKey(HKEY key, Read read) {
    KeyPath path;
    if (!PathOf(key, path))
        return ERROR_INVALID_HANDLE;
    return RegistryFile::Read([&](const RegistryTree& tree) {
        const RegistryKeyNode* node = FindKey(tree, path);
        return node ? read(*node) : ERROR_KEY_DELETED;
    });
}

template <typename Change> LONG ChangeKey(HKEY key, Change change) {
    KeyPath path;
    if (!PathOf(key, path))
        return ERROR_INVALID_HANDLE;
    return RegistryFile::Change([&](RegistryTree& tree, bool& modified) {
        RegistryKeyNode* node = FindKeyToChange(tree, path);
        return node ? change(*node, modified) : ERROR_KEY_DELETED;
    });
}

// Copies a name into a caller's buffer of *size characters; ERROR_MORE_DATA when it and its
// closing zero do not fit. *size becomes its length.
LONG CopyName(const std::string& name, LPTSTR buffer, LPDWORD size) {
    if (!buffer || !size)
        return ERROR_INVALID_PARAMETER;
    if (*size < name.size() + 1)
        return ERROR_MORE_DATA;
    std::memcpy(buffer, name.c_str(), name.size() + 1);
    *size = static_cast<DWORD>(name.size());
    return ERROR_SUCCESS;
}

// Gives a value's type and bytes the way the query and enumeration calls do.
LONG CopyData(const RegistryValue& value, LPDWORD type, LPBYTE data, LPDWORD size) {
    if (type)
        *type = value.type;
    if (!size)
        return data ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    const auto needed = static_cast<DWORD>(value.data.size());
    if (data && *size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    if (data && needed)
        std::memcpy(data, value.data.data(), needed);
    *size = needed;
    return ERROR_SUCCESS;
}

template <typename T> void Put(T* out, T value) {
    if (out)
        *out = value;
}

} // namespace

DWORD GetLastError() {
    return t_lastError;
}

void SetLastError(DWORD error) {
    t_lastError = error;
}

LONG RegConnectRegistry(LPCTSTR lpMachineName, HKEY hKey, PHKEY phkResult) {
    if (!phkResult)
        return ERROR_INVALID_PARAMETER;
    if (lpMachineName && *lpMachineName)
        return ERROR_NOT_SUPPORTED;
    if (!IsRoot(hKey))
        return ERROR_INVALID_HANDLE;
    *phkResult = hKey;
    return ERROR_SUCCESS;
}

LONG RegCreateKeyEx(HKEY hKey, LPCTSTR lpSubKey, DWORD, LPTSTR lpClass, DWORD, REGSAM,
                    LPSECURITY_ATTRIBUTES, PHKEY phkResult, LPDWORD lpdwDisposition) {
    KeyPath path;
    if (!phkResult)
        return ERROR_INVALID_PARAMETER;
    if (!PathOf(hKey, path))
        return ERROR_INVALID_HANDLE;
    const size_t baseLength = path.size();
    if (const LONG split = SplitSubkey(lpSubKey, path); split != ERROR_SUCCESS)
        return split;
    DWORD disposition = REG_OPENED_EXISTING_KEY;
    const LONG result = RegistryFile::Change([&](RegistryTree& tree, bool& modified) {
        const KeyPath base(path.begin(), path.begin() + static_cast<long>(baseLength));
        RegistryKeyNode* key = FindKeyToChange(tree, base);
        if (!key)
            return ERROR_KEY_DELETED;
        const FILETIME now = Now();
        for (size_t i = baseLength; i < path.size(); ++i) {
            RegistryKeyNode* next = key->FindSubkey(path[i]);
            if (!next) {
                next = key->AddSubkey(path[i], now);
                key->lastWrite = now;
                modified = true;
                if (i + 1 == path.size()) {
                    next->className = lpClass ? lpClass : "";
                    disposition = REG_CREATED_NEW_KEY;
                }
            }
            key = next;
        }
        return ERROR_SUCCESS;
    });
    if (result != ERROR_SUCCESS)
        return result;
    *phkResult = NewHandle(std::move(path));
    Put(lpdwDisposition, disposition);
    return ERROR_SUCCESS;
}

LONG RegOpenKeyEx(HKEY hKey, LPCTSTR lpSubKey, DWORD, REGSAM, PHKEY phkResult) {
    KeyPath path;
    if (!phkResult)
        return ERROR_INVALID_PARAMETER;
    if (!PathOf(hKey, path))
        return ERROR_INVALID_HANDLE;
    const size_t baseLength = path.size();
    if (const LONG split = SplitSubkey(lpSubKey, path); split != ERROR_SUCCESS)
        return split;
    const LONG result = RegistryFile::Read([&](const RegistryTree& tree) {
        if (!FindKey(tree, KeyPath(path.begin(), path.begin() + static_cast<long>(baseLength))))
            return ERROR_KEY_DELETED;
        return FindKey(tree, path) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
    });
    if (result == ERROR_SUCCESS)
        *phkResult = NewHandle(std::move(path));
    return result;
}

LONG RegCloseKey(HKEY hKey) {
    if (IsRoot(hKey))
        return ERROR_SUCCESS;
    std::lock_guard guard(handles().mutex);
    return handles().keys.erase(reinterpret_cast<uintptr_t>(hKey)) ? ERROR_SUCCESS
                                                                   : ERROR_INVALID_HANDLE;
}

LONG RegDeleteKey(HKEY hKey, LPCTSTR lpSubKey) {
    KeyPath path;
    if (!lpSubKey)
        return ERROR_INVALID_PARAMETER;
    if (!PathOf(hKey, path))
        return ERROR_INVALID_HANDLE;
    const size_t baseLength = path.size();
    if (const LONG split = SplitSubkey(lpSubKey, path); split != ERROR_SUCCESS)
        return split;
    return RegistryFile::Change([&](RegistryTree& tree, bool& modified) {
        if (!FindKey(tree, KeyPath(path.begin(), path.begin() + static_cast<long>(baseLength))))
            return ERROR_KEY_DELETED;
        const RegistryKeyNode* key = FindKey(tree, path);
        if (!key)
            return ERROR_FILE_NOT_FOUND;
        if (path.size() == 1 || !key->subkeys.empty())
            return ERROR_ACCESS_DENIED;
        RegistryKeyNode* parent = tree.Find(KeyPath(path.begin(), path.end() - 1));
        parent->RemoveSubkey(path.back());
        parent->lastWrite = Now();
        modified = true;
        return ERROR_SUCCESS;
    });
}

LONG RegDeleteValue(HKEY hKey, LPCTSTR lpValueName) {
    return ChangeKey(hKey, [&](RegistryKeyNode& key, bool& modified) {
        if (!key.RemoveValue(lpValueName ? lpValueName : ""))
            return ERROR_FILE_NOT_FOUND;
        key.lastWrite = Now();
        modified = true;
        return ERROR_SUCCESS;
    });
}

LONG RegEnumKeyEx(HKEY hKey, DWORD dwIndex, LPTSTR lpName, LPDWORD lpcchName, LPDWORD,
                  LPTSTR lpClass, LPDWORD lpcchClass, LPFILETIME lpftLastWriteTime) {
    return ReadKey(hKey, [&](const RegistryKeyNode& key) {
        if (dwIndex >= key.subkeys.size())
            return ERROR_NO_MORE_ITEMS;
        const RegistryKeyNode& subkey = *key.subkeys[dwIndex];
        if (const LONG copied = CopyName(subkey.name, lpName, lpcchName); copied != ERROR_SUCCESS)
            return copied;
        if (lpClass) {
            if (const LONG copied = CopyName(subkey.className, lpClass, lpcchClass))
                return copied;
        }
        Put(lpftLastWriteTime, subkey.lastWrite);
        return ERROR_SUCCESS;
    });
}

LONG RegEnumValue(HKEY hKey, DWORD dwIndex, LPTSTR lpValueName, LPDWORD lpcchValueName, LPDWORD,
                  LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
    return ReadKey(hKey, [&](const RegistryKeyNode& key) {
        if (dwIndex >= key.values.size())
            return ERROR_NO_MORE_ITEMS;
        const RegistryValue& value = key.values[dwIndex];
        if (const LONG copied = CopyName(value.name, lpValueName, lpcchValueName))
            return copied;
        return CopyData(value, lpType, lpData, lpcbData);
    });
}

LONG RegFlushKey(HKEY hKey) {
    return ReadKey(hKey, [](const RegistryKeyNode&) { return ERROR_SUCCESS; });
}

LONG RegQueryInfoKey(HKEY hKey, LPTSTR lpClass, LPDWORD lpcchClass, LPDWORD, LPDWORD lpcSubKeys,
                     LPDWORD lpcbMaxSubKeyLen, LPDWORD lpcbMaxClassLen, LPDWORD lpcValues,
                     LPDWORD lpcbMaxValueNameLen, LPDWORD lpcbMaxValueLen,
                     LPDWORD lpcbSecurityDescriptor, LPFILETIME lpftLastWriteTime) {
    return ReadKey(hKey, [&](const RegistryKeyNode& key) {
        if (lpClass) {
            if (const LONG copied = CopyName(key.className, lpClass, lpcchClass))
                return copied;
        }
        size_t maxSubkey = 0, maxClass = 0, maxName = 0, maxData = 0;
        for (const auto& subkey : key.subkeys) {
            maxSubkey = std::max(maxSubkey, subkey->name.size());
            maxClass = std::max(maxClass, subkey->className.size());
        }
        for (const RegistryValue& value : key.values) {
            maxName = std::max(maxName, value.name.size());
            maxData = std::max(maxData, value.data.size());
        }
        Put(lpcSubKeys, static_cast<DWORD>(key.subkeys.size()));
        Put(lpcbMaxSubKeyLen, static_cast<DWORD>(maxSubkey));
        Put(lpcbMaxClassLen, static_cast<DWORD>(maxClass));
        Put(lpcValues, static_cast<DWORD>(key.values.size()));
        Put(lpcbMaxValueNameLen, static_cast<DWORD>(maxName));
        Put(lpcbMaxValueLen, static_cast<DWORD>(maxData));
        Put(lpcbSecurityDescriptor, DWORD{0});
        Put(lpftLastWriteTime, key.lastWrite);
        return ERROR_SUCCESS;
    });
}

LONG RegQueryValueEx(HKEY hKey, LPCTSTR lpValueName, LPDWORD, LPDWORD lpType, LPBYTE lpData,
                     LPDWORD lpcbData) {
    if (lpData && !lpcbData)
        return ERROR_INVALID_PARAMETER;
    return ReadKey(hKey, [&](const RegistryKeyNode& key) {
        const RegistryValue* value = key.FindValue(lpValueName ? lpValueName : "");
        return value ? CopyData(*value, lpType, lpData, lpcbData) : ERROR_FILE_NOT_FOUND;
    });
}

LONG RegSetValueEx(HKEY hKey, LPCTSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData,
                   DWORD cbData) {
    if (!lpData && cbData)
        return ERROR_INVALID_PARAMETER;
    std::vector<BYTE> data(lpData, lpData + (lpData ? cbData : 0));
    return ChangeKey(hKey, [&](RegistryKeyNode& key, bool& modified) {
        key.SetValue(lpValueName ? lpValueName : "", dwType, std::move(data));
        key.lastWrite = Now();
        modified = true;
        return ERROR_SUCCESS;
    });
}

LONG RegLoadKey(HKEY, LPCTSTR, LPCTSTR) {
    return ERROR_NOT_SUPPORTED;
}

LONG RegUnLoadKey(HKEY, LPCTSTR) {
    return ERROR_NOT_SUPPORTED;
}

LONG RegReplaceKey(HKEY, LPCTSTR, LPCTSTR, LPCTSTR) {
    return ERROR_NOT_SUPPORTED;
}

LONG RegRestoreKey(HKEY, LPCTSTR, DWORD) {
    return ERROR_NOT_SUPPORTED;
}

LONG RegSaveKey(HKEY, LPCTSTR, LPSECURITY_ATTRIBUTES) {
    return ERROR_NOT_SUPPORTED;
}

LONG RegGetKeySecurity(HKEY, SECURITY_INFORMATION, PSECURITY_DESCRIPTOR, LPDWORD) {
    return ERROR_NOT_SUPPORTED;
}

LONG RegSetKeySecurity(HKEY, SECURITY_INFORMATION, PSECURITY_DESCRIPTOR) {
    return ERROR_NOT_SUPPORTED;
}

LONG RegNotifyChangeKeyValue(HKEY, BOOL, DWORD, HANDLE, BOOL) {
    return ERROR_NOT_SUPPORTED;
}

BOOL GetComputerName(LPTSTR lpBuffer, LPDWORD nSize) {
    if (!lpBuffer || !nSize) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    char host[256] = {};
    gethostname(host, sizeof host - 1);
    std::string name(host);
    name = name.substr(0, name.find('.'));
    if (*nSize < name.size() + 1) {
        *nSize = static_cast<DWORD>(name.size() + 1);
        SetLastError(ERROR_BUFFER_OVERFLOW);
        return FALSE;
    }
    std::memcpy(lpBuffer, name.c_str(), name.size() + 1);
    *nSize = static_cast<DWORD>(name.size());
    return TRUE;
}
