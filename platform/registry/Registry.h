#pragma once
// The registry calls the program makes. The registry is one settings file (RegistryFile.h):
// each root is a branch of it, keys are paths of names compared without regard to case (their
// case is kept), values are typed and each key has its last-write time. Every call answers a
// system error code (WinError.h). Remote registries, hives, key security and change
// notification do not exist here: those calls answer ERROR_NOT_SUPPORTED.

#include "platform/core/CTime.h"
#include "platform/registry/WinError.h"

struct HKEY__;
using HKEY = HKEY__*;
using PHKEY = HKEY*;
using REGSAM = DWORD;
using LPDWORD = DWORD*;
using LPBYTE = BYTE*;
using HANDLE = void*;
using SECURITY_INFORMATION = DWORD;
using PSECURITY_DESCRIPTOR = void*;

struct SECURITY_ATTRIBUTES {
    DWORD nLength;
    LPVOID lpSecurityDescriptor;
    BOOL bInheritHandle;
};
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

// The roots.
inline HKEY const HKEY_CLASSES_ROOT = reinterpret_cast<HKEY>(uintptr_t{0x80000000u});
inline HKEY const HKEY_CURRENT_USER = reinterpret_cast<HKEY>(uintptr_t{0x80000001u});
inline HKEY const HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(uintptr_t{0x80000002u});
inline HKEY const HKEY_USERS = reinterpret_cast<HKEY>(uintptr_t{0x80000003u});
inline HKEY const HKEY_PERFORMANCE_DATA = reinterpret_cast<HKEY>(uintptr_t{0x80000004u});
inline HKEY const HKEY_CURRENT_CONFIG = reinterpret_cast<HKEY>(uintptr_t{0x80000005u});
inline HKEY const HKEY_DYN_DATA = reinterpret_cast<HKEY>(uintptr_t{0x80000006u});

// Value types.
constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_EXPAND_SZ = 2;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;
constexpr DWORD REG_DWORD_BIG_ENDIAN = 5;
constexpr DWORD REG_LINK = 6;
constexpr DWORD REG_MULTI_SZ = 7;

// Access rights (accepted and not enforced: the file has one owner).
constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
constexpr REGSAM KEY_SET_VALUE = 0x0002;
constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = 0x0008;
constexpr REGSAM KEY_NOTIFY = 0x0010;
constexpr REGSAM KEY_READ = 0x20019;
constexpr REGSAM KEY_WRITE = 0x20006;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

// Key creation.
constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
constexpr DWORD REG_OPTION_VOLATILE = 1;
constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

// Change notification filters.
constexpr DWORD REG_NOTIFY_CHANGE_NAME = 0x1;
constexpr DWORD REG_NOTIFY_CHANGE_LAST_SET = 0x4;

constexpr DWORD MAX_COMPUTERNAME_LENGTH = 15;

// A null or empty computer name connects to this computer's root (a new handle of the root
// itself); any other computer answers ERROR_NOT_SUPPORTED.
LONG RegConnectRegistry(LPCTSTR lpMachineName, HKEY hKey, PHKEY phkResult);
// Opens (creating with its missing parents) a key under hKey; *lpdwDisposition says which.
LONG RegCreateKeyEx(HKEY hKey, LPCTSTR lpSubKey, DWORD Reserved, LPTSTR lpClass, DWORD dwOptions,
                    REGSAM samDesired, LPSECURITY_ATTRIBUTES lpSecurityAttributes, PHKEY phkResult,
                    LPDWORD lpdwDisposition);
// Opens a key under hKey; a null or empty subkey opens hKey's own key again.
LONG RegOpenKeyEx(HKEY hKey, LPCTSTR lpSubKey, DWORD ulOptions, REGSAM samDesired, PHKEY phkResult);
// Releases an opened key; closing a root does nothing and succeeds.
LONG RegCloseKey(HKEY hKey);
// Deletes a subkey that has no subkeys of its own (ERROR_ACCESS_DENIED when it has).
LONG RegDeleteKey(HKEY hKey, LPCTSTR lpSubKey);
LONG RegDeleteValue(HKEY hKey, LPCTSTR lpValueName);
// Subkeys in the order of their names, without regard to case. Sizes are in characters
// without the terminating zero on the way out, with room for it on the way in.
LONG RegEnumKeyEx(HKEY hKey, DWORD dwIndex, LPTSTR lpName, LPDWORD lpcchName, LPDWORD lpReserved,
                  LPTSTR lpClass, LPDWORD lpcchClass, LPFILETIME lpftLastWriteTime);
// Values in the order they were first set.
LONG RegEnumValue(HKEY hKey, DWORD dwIndex, LPTSTR lpValueName, LPDWORD lpcchValueName,
                  LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData);
// Every change is on disk when its call returns: flushing has nothing left to do.
LONG RegFlushKey(HKEY hKey);
LONG RegQueryInfoKey(HKEY hKey, LPTSTR lpClass, LPDWORD lpcchClass, LPDWORD lpReserved,
                     LPDWORD lpcSubKeys, LPDWORD lpcbMaxSubKeyLen, LPDWORD lpcbMaxClassLen,
                     LPDWORD lpcValues, LPDWORD lpcbMaxValueNameLen, LPDWORD lpcbMaxValueLen,
                     LPDWORD lpcbSecurityDescriptor, LPFILETIME lpftLastWriteTime);
// Reads a value: its type, and its bytes when lpData is given. ERROR_MORE_DATA, with the size
// needed in *lpcbData, when they do not fit.
LONG RegQueryValueEx(HKEY hKey, LPCTSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                     LPBYTE lpData, LPDWORD lpcbData);
// Stores the bytes as given, under the type given.
LONG RegSetValueEx(HKEY hKey, LPCTSTR lpValueName, DWORD Reserved, DWORD dwType, const BYTE* lpData,
                   DWORD cbData);

// Hives, security and notification: ERROR_NOT_SUPPORTED.
LONG RegLoadKey(HKEY hKey, LPCTSTR lpSubKey, LPCTSTR lpFile);
LONG RegUnLoadKey(HKEY hKey, LPCTSTR lpSubKey);
LONG RegReplaceKey(HKEY hKey, LPCTSTR lpSubKey, LPCTSTR lpNewFile, LPCTSTR lpOldFile);
LONG RegRestoreKey(HKEY hKey, LPCTSTR lpFile, DWORD dwFlags);
LONG RegSaveKey(HKEY hKey, LPCTSTR lpFile, LPSECURITY_ATTRIBUTES lpSecurityAttributes);
LONG RegGetKeySecurity(HKEY hKey, SECURITY_INFORMATION SecurityInformation,
                       PSECURITY_DESCRIPTOR pSecurityDescriptor, LPDWORD lpcbSecurityDescriptor);
LONG RegSetKeySecurity(HKEY hKey, SECURITY_INFORMATION SecurityInformation,
                       PSECURITY_DESCRIPTOR pSecurityDescriptor);
LONG RegNotifyChangeKeyValue(HKEY hKey, BOOL bWatchSubtree, DWORD dwNotifyFilter, HANDLE hEvent,
                             BOOL fAsynchronous);

// This computer's name (the host name); FALSE, with ERROR_BUFFER_OVERFLOW as the last error and
// the size needed in *nSize, when the buffer is too small.
BOOL GetComputerName(LPTSTR lpBuffer, LPDWORD nSize);
