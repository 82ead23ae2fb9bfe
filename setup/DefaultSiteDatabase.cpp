#include "setup/DefaultSiteDatabase.h"

#include "db/CVantrelDb.h"
#include "db/QZDbUpdate.h"
#include "platform/core/FileServices.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CaughtDaoError.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

namespace {

// No place decides how a development database's DbID is chosen. It is a random positive 31-bit
// number above 1: 0 is the DbID of a production database made by publishing and 1 marks keys
// that are never edited, and a random one keeps the objects of two sites made this way apart
// when one is copied into the other.
LONG NewDevelopmentDbId() {
    std::random_device entropy;
    std::uniform_int_distribution<LONG> ids(2, INT32_MAX);
    return ids(entropy);
}

int Fail(const CString& message) {
    std::fprintf(stderr, "mqsetup: %s\n", static_cast<LPCTSTR>(message));
    return 1;
}

// A new database is stamped "Production" with DbID 0; a development database has its own DbID
// and no production mark.
BOOL MakeDevelopmentRow(const CString& path, LONG dbId, CString* error) {
    try {
        CDaoDatabase db;
        db.Open(path, TRUE, FALSE, "");
        CString sql;
        sql.Format("UPDATE Marquill SET DbID = %ld, Miscellaneous = ''", dbId);
        db.Execute(sql);
        db.Close();
        return TRUE;
    } catch (CDaoException* e) {
        *error = CaughtDaoError(e).Message();
        return FALSE;
    }
}

} // namespace

int MakeDefaultSiteDatabase() {
    CString path = CVantrelDb::DefaultPath();
    if (PathFileExistsA(path)) {
        std::printf("mqsetup: a site database is already at %s; it is left as it is.\n",
                    static_cast<LPCTSTR>(path));
        return 0;
    }
    std::error_code failed;
    std::filesystem::create_directories(std::filesystem::path(path.str()).parent_path(), failed);
    if (failed)
        return Fail("cannot make the folder of " + path + ": " + CString(failed.message()));

    // The database is made under another name and appears at its path only when complete.
    CString work = path + ".setup";
    DeleteFileA(work); // left by an interrupted set-up
    QZDbUpdate update;
    if (!update.CreateNewDatabase(work, 0, 1))
        return Fail("cannot make a site database at " + work);
    LONG dbId = NewDevelopmentDbId();
    CString error;
    if (!MakeDevelopmentRow(work, dbId, &error)) {
        DeleteFileA(work);
        return Fail("cannot write the version row of " + work + ": " + error);
    }
    if (!MoveFileExA(work, path, 0)) {
        DeleteFileA(work);
        if (PathFileExistsA(path)) {
            std::printf("mqsetup: a site database appeared at %s meanwhile; it is left as it is.\n",
                        static_cast<LPCTSTR>(path));
            return 0;
        }
        return Fail("cannot move " + work + " to " + path);
    }
    std::printf("mqsetup: made a new development site database at %s (DbID %ld).\n",
                static_cast<LPCTSTR>(path), static_cast<long>(dbId));
    return 0;
}
