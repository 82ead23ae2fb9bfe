#include "wintoolkit/registry/SECRegistry.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr DWORD kNameBufferSize = 2048;

const char* RootName(HKEY root) {
    if (root == HKEY_LOCAL_MACHINE)
        return "HKEY_LOCAL_MACHINE";
    if (root == HKEY_CLASSES_ROOT)
        return "HKEY_CLASSES_ROOT";
    if (root == HKEY_USERS)
        return "HKEY_USERS";
    if (root == HKEY_CURRENT_USER)
        return "HKEY_CURRENT_USER";
    return "Unknown";
}

CString LocalComputerName() {
    char name[260] = {};
    DWORD size = sizeof name;
    return GetComputerName(name, &size) ? CString(name) : CString();
}

// A buffer from the allocator that frees itself; empty when memory could not be had (the
// thread's last error then says so).
class Buffer {
public:
    explicit Buffer(size_t size) : m_data(static_cast<BYTE*>(std::calloc(size ? size : 1, 1))) {
        if (!m_data)
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    }
    ~Buffer() { std::free(m_data); }
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;

    BYTE* get() const { return m_data; }

private:
    BYTE* m_data;
};

} // namespace

IMPLEMENT_DYNCREATE(SECRegistry, CObject)

SECRegistry::SECRegistry() {
    Initialize();
}

SECRegistry::~SECRegistry() {
    if (m_hRegistry)
        Close();
    Initialize();
}

void SECRegistry::Initialize() {
    m_lErrorCode = ERROR_SUCCESS;
    m_hKey = nullptr;
    m_hRegistry = HKEY_CLASSES_ROOT;
    m_dwLongestSubkeyNameLength = 0;
    m_dwLongestClassNameLength = 0;
    m_dwLongestValueNameLength = 0;
    m_dwLongestValueDataLength = 0;
    m_dwSecurityDescriptorLength = 0;
    m_fileTimeLastWrite = FILETIME{};
    m_strClassName.Empty();
    m_strComputerName.Empty();
    m_strKeyName.Empty();
    m_strRegistryName.Empty();
    m_dwNumberOfSubkeys = 0;
    m_dwNumberOfValues = 0;
    m_LastWriteTime = CTime(0);
}

BOOL SECRegistry::Succeeded(LONG result) {
    m_lErrorCode = result;
    return result == ERROR_SUCCESS;
}

BOOL SECRegistry::Required(const void* argument) {
    if (argument)
        return TRUE;
    m_lErrorCode = ERROR_INVALID_PARAMETER;
    return FALSE;
}

void SECRegistry::TakeKey(HKEY hKey) {
    if (m_hKey && m_hKey != hKey)
        RegCloseKey(m_hKey);
    m_hKey = hKey;
}

BOOL SECRegistry::CreateKey(LPCTSTR lpszSubKey, LPCTSTR lpszClass, DWORD dwOptions,
                            REGSAM samDesired, LPSECURITY_ATTRIBUTES lpSecurityAttributes,
                            LPDWORD lpdwDisposition) {
    if (!Required(lpszSubKey))
        return FALSE;
    char emptyClass[] = "";
    CString className(lpszClass ? lpszClass : emptyClass);
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (!Succeeded(RegCreateKeyEx(m_hRegistry, lpszSubKey, 0, className.GetBuffer(0), dwOptions,
                                  samDesired, lpSecurityAttributes, &key, &disposition)))
        return FALSE;
    TakeKey(key);
    if (lpdwDisposition)
        *lpdwDisposition = disposition;
    m_strKeyName = lpszSubKey;
    return TRUE;
}

BOOL SECRegistry::Close() {
    if (!m_hRegistry)
        return TRUE;
    if (!Succeeded(RegCloseKey(m_hRegistry)))
        return FALSE;
    // The open key goes too: keeping its handle past Close would leak it.
    if (m_hKey)
        RegCloseKey(m_hKey);
    Initialize();
    return TRUE;
}

BOOL SECRegistry::Connect(HKEY hKeyToOpen, LPCTSTR lpszComputerName) {
    if (hKeyToOpen == HKEY_CLASSES_ROOT || hKeyToOpen == HKEY_CURRENT_USER) {
        if (lpszComputerName)
            return Succeeded(ERROR_INVALID_HANDLE);
        m_hRegistry = hKeyToOpen;
        m_lErrorCode = ERROR_SUCCESS;
    } else {
        HKEY root = m_hRegistry;
        if (!Succeeded(RegConnectRegistry(lpszComputerName, hKeyToOpen, &root)))
            return FALSE;
        m_hRegistry = root;
    }
    m_strComputerName = lpszComputerName ? CString(lpszComputerName) : LocalComputerName();
    m_strRegistryName = RootName(hKeyToOpen);
    return TRUE;
}

BOOL SECRegistry::DeleteKey(LPCTSTR lpszKeyToDelete) {
    if (!Required(lpszKeyToDelete))
        return FALSE;
    const CString path(lpszKeyToDelete);
    const int split = path.ReverseFind('\\');
    if (split < 0)
        return Succeeded(RegDeleteKey(m_hKey, lpszKeyToDelete));
    const CString keyName = m_strKeyName;
    if (!Open(path.Left(split), KEY_ALL_ACCESS)) {
        m_strKeyName = keyName;
        return FALSE;
    }
    return Succeeded(RegDeleteKey(m_hKey, path.Mid(split + 1)));
}

BOOL SECRegistry::DeleteValue(LPCTSTR lpszValueToDelete) {
    return Succeeded(RegDeleteValue(m_hKey, lpszValueToDelete));
}

BOOL SECRegistry::EnumerateKeys(DWORD dwIndex, CString& strSubkeyName, CString& strClassName) {
    char name[kNameBufferSize] = {};
    char className[kNameBufferSize] = {};
    DWORD nameSize = kNameBufferSize - 1;
    DWORD classSize = kNameBufferSize - 1;
    if (!Succeeded(RegEnumKeyEx(m_hKey, dwIndex, name, &nameSize, nullptr, className, &classSize,
                                &m_fileTimeLastWrite)))
        return FALSE;
    strSubkeyName = name;
    strClassName = className;
    return TRUE;
}

BOOL SECRegistry::EnumerateValues(DWORD dwIndex, CString& strValueName, DWORD* lpdwType,
                                  LPBYTE lpbBuffer, LPDWORD lpdwBufferSize) {
    char name[kNameBufferSize] = {};
    DWORD nameSize = kNameBufferSize;
    if (!Succeeded(RegEnumValue(m_hKey, dwIndex, name, &nameSize, nullptr, lpdwType, lpbBuffer,
                                lpdwBufferSize)))
        return FALSE;
    strValueName = name;
    return TRUE;
}

BOOL SECRegistry::Flush() {
    return Succeeded(RegFlushKey(m_hKey));
}

BOOL SECRegistry::ReadWholeValue(LPCTSTR lpszValueName, DWORD dwType, std::vector<BYTE>& data) {
    // The buffer is sized by the value itself, asked first; a value that grows meanwhile is
    // asked again.
    for (;;) {
        DWORD type = dwType, size = 0;
        if (!QueryValue(lpszValueName, &type, nullptr, &size))
            return FALSE;
        const Buffer buffer(size);
        if (!buffer.get()) {
            m_lErrorCode = static_cast<LONG>(GetLastError());
            return FALSE;
        }
        type = dwType;
        if (QueryValue(lpszValueName, &type, buffer.get(), &size)) {
            data.assign(buffer.get(), buffer.get() + size);
            return TRUE;
        }
        if (m_lErrorCode != ERROR_MORE_DATA)
            return FALSE;
    }
}

BOOL SECRegistry::GetBinaryValue(LPCTSTR lpszValueName, CByteArray& return_array) {
    std::vector<BYTE> data;
    if (!Required(lpszValueName) || !ReadWholeValue(lpszValueName, REG_BINARY, data))
        return FALSE;
    return_array.RemoveAll();
    for (const BYTE byte : data)
        return_array.Add(byte);
    return TRUE;
}

BOOL SECRegistry::GetDoubleWordValue(LPCTSTR lpszValueName, DWORD& dwReturnValue) {
    if (!Required(lpszValueName))
        return FALSE;
    DWORD type = REG_DWORD, size = sizeof(DWORD);
    return QueryValue(lpszValueName, &type, reinterpret_cast<LPBYTE>(&dwReturnValue), &size);
}

BOOL SECRegistry::GetSecurity(SECURITY_INFORMATION SecurityInformation,
                              PSECURITY_DESCRIPTOR pSecurityDescriptor,
                              LPDWORD lpdwSecurityDescriptorSize) {
    if (!Required(pSecurityDescriptor))
        return FALSE;
    return Succeeded(RegGetKeySecurity(m_hKey, SecurityInformation, pSecurityDescriptor,
                                       lpdwSecurityDescriptorSize));
}

BOOL SECRegistry::GetStringValue(LPCTSTR lpszValueName, CString& strReturn) {
    if (!Required(lpszValueName))
        return FALSE;
    char buffer[kNameBufferSize] = {};
    DWORD type = REG_SZ, size = kNameBufferSize;
    if (!QueryValue(lpszValueName, &type, reinterpret_cast<LPBYTE>(buffer), &size)) {
        strReturn.Empty();
        return FALSE;
    }
    strReturn = CString(buffer, static_cast<int>(strnlen(buffer, size)));
    return TRUE;
}

BOOL SECRegistry::GetStringArrayValue(LPCTSTR lpszValueName, CStringArray& return_array) {
    std::vector<BYTE> data;
    if (!Required(lpszValueName) || !ReadWholeValue(lpszValueName, REG_MULTI_SZ, data))
        return FALSE;
    return_array.RemoveAll();
    const char* text = reinterpret_cast<const char*>(data.data());
    size_t at = 0;
    while (at < data.size() && text[at]) {
        const size_t length = strnlen(text + at, data.size() - at);
        return_array.Add(CString(text + at, static_cast<int>(length)));
        at += length + 1;
    }
    return TRUE;
}

BOOL SECRegistry::GetValue(LPCTSTR lpszValueName, CString& strReturn) {
    return Required(lpszValueName) && GetStringValue(lpszValueName, strReturn);
}

BOOL SECRegistry::GetValue(LPCTSTR lpszValueName, CStringArray& return_array) {
    return Required(lpszValueName) && GetStringArrayValue(lpszValueName, return_array);
}

BOOL SECRegistry::GetValue(LPCTSTR lpszValueName, DWORD& dwReturnValue) {
    return Required(lpszValueName) && GetDoubleWordValue(lpszValueName, dwReturnValue);
}

BOOL SECRegistry::GetValue(LPCTSTR lpszValueName, CByteArray& return_array) {
    return Required(lpszValueName) && GetBinaryValue(lpszValueName, return_array);
}

BOOL SECRegistry::Load(LPCTSTR lpszSubkeyName, LPCTSTR lpszFileName) {
    if (!Required(lpszSubkeyName) || !Required(lpszFileName))
        return FALSE;
    return Succeeded(RegLoadKey(m_hRegistry, lpszSubkeyName, lpszFileName));
}

BOOL SECRegistry::NotifyChange(HANDLE hEvent, DWORD dwNotifyFilter, BOOL bWatchSubtree,
                               BOOL bAsynchronous) {
    return Succeeded(
        RegNotifyChangeKeyValue(m_hKey, bWatchSubtree, dwNotifyFilter, hEvent, bAsynchronous));
}

BOOL SECRegistry::Open(LPCTSTR lpszSubkey, REGSAM samDesired) {
    HKEY key = nullptr;
    if (!Succeeded(RegOpenKeyEx(m_hRegistry, lpszSubkey, 0, samDesired, &key)))
        return FALSE;
    TakeKey(key);
    const LONG opened = m_lErrorCode;
    QueryInfo();
    m_lErrorCode = opened;
    m_strKeyName = lpszSubkey;
    return TRUE;
}

BOOL SECRegistry::QueryInfo() {
    char className[kNameBufferSize] = {};
    DWORD classSize = kNameBufferSize - 1;
    if (!Succeeded(RegQueryInfoKey(m_hKey, className, &classSize, nullptr, &m_dwNumberOfSubkeys,
                                   &m_dwLongestSubkeyNameLength, &m_dwLongestClassNameLength,
                                   &m_dwNumberOfValues, &m_dwLongestValueNameLength,
                                   &m_dwLongestValueDataLength, &m_dwSecurityDescriptorLength,
                                   &m_fileTimeLastWrite)))
        return FALSE;
    m_strClassName = className;
    m_LastWriteTime = CTime(m_fileTimeLastWrite);
    return TRUE;
}

BOOL SECRegistry::QueryValue(LPCTSTR lpszValueName, DWORD* lpdwType, LPBYTE lpbBuffer,
                             LPDWORD lpdwBufferSize) {
    if (!Required(lpszValueName))
        return FALSE;
    return Succeeded(
        RegQueryValueEx(m_hKey, lpszValueName, nullptr, lpdwType, lpbBuffer, lpdwBufferSize));
}

BOOL SECRegistry::Replace(LPCTSTR lpszSubkeyName, LPCTSTR lpszNewFile, LPCTSTR lpszOldFile) {
    if (!Required(lpszSubkeyName) || !Required(lpszNewFile) || !Required(lpszOldFile))
        return FALSE;
    return Succeeded(RegReplaceKey(m_hKey, lpszSubkeyName, lpszNewFile, lpszOldFile));
}

BOOL SECRegistry::Restore(LPCTSTR lpszFileName, DWORD dwFlags) {
    if (!Required(lpszFileName))
        return FALSE;
    return Succeeded(RegRestoreKey(m_hKey, lpszFileName, dwFlags));
}

BOOL SECRegistry::Save(LPCTSTR lpszFileName, LPSECURITY_ATTRIBUTES lpSecurityAttributes) {
    if (!Required(lpszFileName))
        return FALSE;
    return Succeeded(RegSaveKey(m_hKey, lpszFileName, lpSecurityAttributes));
}

BOOL SECRegistry::SetBinaryValue(LPCTSTR lpszValueName, const CByteArray& bytes_to_write) {
    if (!Required(lpszValueName))
        return FALSE;
    const auto size = static_cast<DWORD>(bytes_to_write.GetSize());
    // An empty array still has a buffer, so that an empty value can be written.
    const Buffer buffer(size);
    if (!buffer.get()) {
        m_lErrorCode = static_cast<LONG>(GetLastError());
        return FALSE;
    }
    if (size)
        std::memcpy(buffer.get(), bytes_to_write.GetData(), size);
    return SetValue(lpszValueName, REG_BINARY, buffer.get(), size);
}

BOOL SECRegistry::SetDoubleWordValue(LPCTSTR lpszValueName, DWORD dwValue) {
    if (!Required(lpszValueName))
        return FALSE;
    return SetValue(lpszValueName, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                    sizeof dwValue);
}

BOOL SECRegistry::SetSecurity(const SECURITY_INFORMATION& SecurityInformation,
                              PSECURITY_DESCRIPTOR pSecurityDescriptor) {
    if (!Required(pSecurityDescriptor))
        return FALSE;
    return Succeeded(RegSetKeySecurity(m_hKey, SecurityInformation, pSecurityDescriptor));
}

BOOL SECRegistry::SetStringValue(LPCTSTR lpszValueName, const CString& strWrite) {
    if (!Required(lpszValueName))
        return FALSE;
    return SetValue(lpszValueName, REG_SZ, reinterpret_cast<const BYTE*>(LPCTSTR(strWrite)),
                    static_cast<DWORD>(strWrite.GetLength() + 1));
}

BOOL SECRegistry::SetStringArrayValue(LPCTSTR lpszValueName, const CStringArray& strings_to_write) {
    if (!Required(lpszValueName))
        return FALSE;
    size_t size = 1;
    for (int i = 0; i < strings_to_write.GetSize(); ++i)
        size += strings_to_write[i].GetLength() + 1;
    const Buffer buffer(size);
    if (!buffer.get()) {
        m_lErrorCode = static_cast<LONG>(GetLastError());
        return FALSE;
    }
    size_t at = 0;
    for (int i = 0; i < strings_to_write.GetSize(); ++i) {
        const CString& text = strings_to_write[i];
        std::memcpy(buffer.get() + at, LPCTSTR(text), text.GetLength() + 1);
        at += text.GetLength() + 1;
    }
    return SetValue(lpszValueName, REG_MULTI_SZ, buffer.get(), static_cast<DWORD>(size));
}

BOOL SECRegistry::SetValue(LPCTSTR lpszValueName, DWORD dwType, const BYTE* lpbBuffer,
                           DWORD dwBufferSize) {
    if (!Required(lpszValueName) || !Required(lpbBuffer))
        return FALSE;
    return Succeeded(RegSetValueEx(m_hKey, lpszValueName, 0, dwType, lpbBuffer, dwBufferSize));
}

BOOL SECRegistry::SetValue(LPCTSTR lpszValueName, const CString& strWrite) {
    return Required(lpszValueName) && SetStringValue(lpszValueName, strWrite);
}

BOOL SECRegistry::SetValue(LPCTSTR lpszValueName, const CStringArray& strings_to_write) {
    return Required(lpszValueName) && SetStringArrayValue(lpszValueName, strings_to_write);
}

BOOL SECRegistry::SetValue(LPCTSTR lpszValueName, DWORD dwValue) {
    return Required(lpszValueName) && SetDoubleWordValue(lpszValueName, dwValue);
}

BOOL SECRegistry::SetValue(LPCTSTR lpszValueName, const CByteArray& bytes_to_write) {
    return Required(lpszValueName) && SetBinaryValue(lpszValueName, bytes_to_write);
}

BOOL SECRegistry::UnLoad(LPCTSTR lpszSubkeyName) {
    if (!Required(lpszSubkeyName))
        return FALSE;
    return Succeeded(RegUnLoadKey(m_hKey, lpszSubkeyName));
}
