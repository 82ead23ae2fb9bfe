#pragma once
// The settings that name the site database: "VantrelDatabase" (the file) and
// "VantrelDatabaseRoot" (its folder), under the application's settings key.

#include "platform/core/CString.h"

class SECRegistry;

class SiteDatabaseSettings {
public:
    // TRUE when the application's settings key is there.
    static BOOL KeyExists();
    // The "VantrelDatabase" value; "" when it or the key is missing.
    static CString ReadDatabase();
    // Writes both values for the database file `path` (each only when not empty), creating the
    // key when it is missing; every other value stays. FALSE, with the reason in *error, when
    // the settings could not be written.
    static BOOL WriteDatabase(const CString& path, CString* error);
    // TRUE when the file opens as a site database (its one version row read); never writes to it
    // and shows nothing.
    static BOOL IsSiteDatabase(const CString& path);
    // Opens the application's settings key in `registry` with full access, making it when it
    // is missing.
    static BOOL OpenKeyForWriting(SECRegistry& registry);
    // The folder of a database file: the text before its last separator.
    static CString RootOf(const CString& path);
};
