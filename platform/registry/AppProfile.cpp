#include "platform/registry/AppProfile.h"

#include "platform/registry/Registry.h"

#include <cstring>
#include <vector>

namespace {

CString g_registryKey;
CString g_profileName;

CString SectionPath(LPCTSTR section) {
    CString path = GetAppRegistryKeyPath();
    if (section && *section)
        path += CString("\\") + section;
    return path;
}

// An opened key that closes itself.
class ProfileKey {
public:
    // Opens the section's key, or creates it when `create` is set.
    ProfileKey(LPCTSTR section, bool create) {
        if (GetAppRegistryKeyPath().IsEmpty())
            return;
        const CString path = SectionPath(section);
        if (create)
            RegCreateKeyEx(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                           KEY_WRITE | KEY_READ, nullptr, &m_key, nullptr);
        else
            RegOpenKeyEx(HKEY_CURRENT_USER, path, 0, KEY_READ, &m_key);
    }
    ~ProfileKey() {
        if (m_key)
            RegCloseKey(m_key);
    }
    ProfileKey(const ProfileKey&) = delete;
    ProfileKey& operator=(const ProfileKey&) = delete;

    HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

} // namespace

void SetRegistryKey(LPCTSTR registryKey) {
    g_registryKey = registryKey ? registryKey : "";
}

void SetProfileName(LPCTSTR profileName) {
    g_profileName = profileName ? profileName : "";
}

CString GetAppRegistryKeyPath() {
    if (g_registryKey.IsEmpty())
        return CString();
    CString path = "Software\\" + g_registryKey;
    if (!g_profileName.IsEmpty())
        path += "\\" + g_profileName;
    return path;
}

UINT GetProfileInt(LPCTSTR section, LPCTSTR entry, int defaultValue) {
    const ProfileKey key(section, false);
    DWORD value = 0, type = 0, size = sizeof value;
    if (!key.get() ||
        RegQueryValueEx(key.get(), entry, nullptr, &type, reinterpret_cast<LPBYTE>(&value),
                        &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return static_cast<UINT>(defaultValue);
    return value;
}

BOOL WriteProfileInt(LPCTSTR section, LPCTSTR entry, int value) {
    const ProfileKey key(section, true);
    const auto dword = static_cast<DWORD>(value);
    return key.get() &&
           RegSetValueEx(key.get(), entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dword),
                         sizeof dword) == ERROR_SUCCESS;
}

CString GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultValue) {
    const CString fallback(defaultValue ? defaultValue : "");
    const ProfileKey key(section, false);
    DWORD type = 0, size = 0;
    if (!key.get() ||
        RegQueryValueEx(key.get(), entry, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return fallback;
    std::vector<BYTE> data(size + 1, 0);
    if (RegQueryValueEx(key.get(), entry, nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
        return fallback;
    return CString(reinterpret_cast<const char*>(data.data()));
}

BOOL WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR value) {
    if (!entry) {
        const ProfileKey app(nullptr, false);
        return app.get() && section && RegDeleteKey(app.get(), section) == ERROR_SUCCESS;
    }
    const ProfileKey key(section, true);
    if (!key.get())
        return FALSE;
    if (!value)
        return RegDeleteValue(key.get(), entry) == ERROR_SUCCESS;
    return RegSetValueEx(key.get(), entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                         static_cast<DWORD>(std::strlen(value) + 1)) == ERROR_SUCCESS;
}
