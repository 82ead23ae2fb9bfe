#pragma once
// One registry root and one open key under it: connect to a root, open or create a key, read
// and write its values by type, enumerate, delete. Every operation answers TRUE or FALSE and
// keeps the error code of its last registry call in m_lErrorCode; nothing is thrown.

#include "platform/core/CByteArray.h"
#include "platform/core/CStringArray.h"
#include "platform/core/CTime.h"
#include "platform/registry/Registry.h"

#include <vector>

class SECRegistry : public CObject {
    DECLARE_DYNCREATE(SECRegistry)
public:
    SECRegistry();
    // Closes the key and the root when a root is connected.
    ~SECRegistry() override;

    virtual BOOL CreateKey(LPCTSTR lpszSubKey, LPCTSTR lpszClass = nullptr,
                           DWORD dwOptions = REG_OPTION_NON_VOLATILE,
                           REGSAM samDesired = KEY_ALL_ACCESS,
                           LPSECURITY_ATTRIBUTES lpSecurityAttributes = nullptr,
                           LPDWORD lpdwDisposition = nullptr);
    // Releases the key and the root and resets every member.
    virtual BOOL Close();
    // HKEY_CLASSES_ROOT and HKEY_CURRENT_USER connect only locally (error 6 with a computer).
    virtual BOOL Connect(HKEY hKeyToOpen = HKEY_CURRENT_USER, LPCTSTR lpszComputerName = nullptr);
    // A name without a backslash is a subkey of the open key. A path is split at its last
    // backslash: the part before it is opened under the root (and stays the open key), and the
    // last name is deleted from it.
    virtual BOOL DeleteKey(LPCTSTR lpszKeyToDelete);
    virtual BOOL DeleteValue(LPCTSTR lpszValueToDelete);
    virtual BOOL EnumerateKeys(DWORD dwIndex, CString& strSubkeyName, CString& strClassName);
    virtual BOOL EnumerateValues(DWORD dwIndex, CString& strValueName, DWORD* lpdwType = nullptr,
                                 LPBYTE lpbBuffer = nullptr, LPDWORD lpdwBufferSize = nullptr);
    virtual BOOL Flush();
    virtual BOOL GetBinaryValue(LPCTSTR lpszValueName, CByteArray& return_array);
    virtual BOOL GetDoubleWordValue(LPCTSTR lpszValueName, DWORD& dwReturnValue);
    virtual BOOL GetSecurity(SECURITY_INFORMATION SecurityInformation,
                             PSECURITY_DESCRIPTOR pSecurityDescriptor,
                             LPDWORD lpdwSecurityDescriptorSize);
    // Strings of up to 2047 bytes; a longer one answers ERROR_MORE_DATA.
    virtual BOOL GetStringValue(LPCTSTR lpszValueName, CString& strReturn);
    virtual BOOL GetStringArrayValue(LPCTSTR lpszValueName, CStringArray& return_array);
    virtual BOOL GetValue(LPCTSTR lpszValueName, CString& strReturn);
    virtual BOOL GetValue(LPCTSTR lpszValueName, CStringArray& return_array);
    virtual BOOL GetValue(LPCTSTR lpszValueName, DWORD& dwReturnValue);
    virtual BOOL GetValue(LPCTSTR lpszValueName, CByteArray& return_array);
    virtual BOOL Load(LPCTSTR lpszSubkeyName, LPCTSTR lpszFileName);
    virtual BOOL NotifyChange(HANDLE hEvent = nullptr,
                              DWORD dwNotifyFilter = REG_NOTIFY_CHANGE_LAST_SET,
                              BOOL bWatchSubtree = TRUE, BOOL bAsynchronous = TRUE);
    // Opens a key under the root (a null name: the root's own) and reads its information.
    virtual BOOL Open(LPCTSTR lpszSubkey, REGSAM samDesired = KEY_ALL_ACCESS);
    virtual BOOL QueryInfo();
    // The type goes in and comes back as the value's own; the typed reads do not compare it.
    virtual BOOL QueryValue(LPCTSTR lpszValueName, DWORD* lpdwType, LPBYTE lpbBuffer,
                            LPDWORD lpdwBufferSize);
    virtual BOOL Replace(LPCTSTR lpszSubkeyName, LPCTSTR lpszNewFile, LPCTSTR lpszOldFile);
    virtual BOOL Restore(LPCTSTR lpszFileName, DWORD dwFlags = 0);
    virtual BOOL Save(LPCTSTR lpszFileName, LPSECURITY_ATTRIBUTES lpSecurityAttributes = nullptr);
    virtual BOOL SetBinaryValue(LPCTSTR lpszValueName, const CByteArray& bytes_to_write);
    virtual BOOL SetDoubleWordValue(LPCTSTR lpszValueName, DWORD dwValue);
    virtual BOOL SetSecurity(const SECURITY_INFORMATION& SecurityInformation,
                             PSECURITY_DESCRIPTOR pSecurityDescriptor);
    virtual BOOL SetStringValue(LPCTSTR lpszValueName, const CString& strWrite);
    virtual BOOL SetStringArrayValue(LPCTSTR lpszValueName, const CStringArray& strings_to_write);
    virtual BOOL SetValue(LPCTSTR lpszValueName, DWORD dwType, const BYTE* lpbBuffer,
                          DWORD dwBufferSize);
    virtual BOOL SetValue(LPCTSTR lpszValueName, const CString& strWrite);
    virtual BOOL SetValue(LPCTSTR lpszValueName, const CStringArray& strings_to_write);
    virtual BOOL SetValue(LPCTSTR lpszValueName, DWORD dwValue);
    virtual BOOL SetValue(LPCTSTR lpszValueName, const CByteArray& bytes_to_write);
    virtual BOOL UnLoad(LPCTSTR lpszSubkeyName);

    LONG m_lErrorCode;
    HKEY m_hKey;
    HKEY m_hRegistry;
    DWORD m_dwLongestSubkeyNameLength;
    DWORD m_dwLongestClassNameLength;
    DWORD m_dwLongestValueNameLength;
    DWORD m_dwLongestValueDataLength;
    DWORD m_dwSecurityDescriptorLength;
    FILETIME m_fileTimeLastWrite;
    CString m_strClassName;
    CString m_strComputerName;
    CString m_strKeyName;
    CString m_strRegistryName;
    DWORD m_dwNumberOfSubkeys;
    DWORD m_dwNumberOfValues;
    CTime m_LastWriteTime;

protected:
    // Every member back to its value of a new object.
    void Initialize();
    // Sets the error code from a registry call's result; TRUE when it succeeded.
    BOOL Succeeded(LONG result);
    // Sets error 87 when `argument` is null; TRUE when it is not.
    BOOL Required(const void* argument);
    // Reads a value whole, in a buffer of its own size (for binary and multi-string values).
    BOOL ReadWholeValue(LPCTSTR lpszValueName, DWORD dwType, std::vector<BYTE>& data);
    // Keeps a newly opened key, releasing the one it replaces.
    void TakeKey(HKEY hKey);
};
