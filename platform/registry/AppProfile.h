#pragma once
// The application's profile: small settings in sections, kept in the registry under
// HKEY_CURRENT_USER\Software\<registry key>\<profile name>\<section> (without the profile
// name's level when it is empty). Until the program sets its registry key, reads give the
// defaults and writes fail.

#include "platform/core/CString.h"

// The key under "Software" (the maker's part, backslashes allowed) and the program's name
// under it; both are kept until set again.
void SetRegistryKey(LPCTSTR registryKey);
void SetProfileName(LPCTSTR profileName);
// The key of the profile under HKEY_CURRENT_USER; empty until a registry key is set.
CString GetAppRegistryKeyPath();

// A 32-bit number of the section, or `defaultValue` when it has none of that type.
UINT GetProfileInt(LPCTSTR section, LPCTSTR entry, int defaultValue);
BOOL WriteProfileInt(LPCTSTR section, LPCTSTR entry, int value);
// A string of the section, or `defaultValue` (empty for nullptr) when it has none.
CString GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultValue = nullptr);
// Writes a string; a null value deletes the entry, a null entry the whole section.
BOOL WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR value);
