// Opening a data database, which may be a plain SQLite file made by other tools.

#include "platform/dao/CDaoException.h"
#include "platform/dao/DaoCatalog.h"
#include "platform/dao/DaoConnection.h"
#include "platform/dao/DaoErrors.h"

#include <sqlite3.h>
#include <sys/stat.h>

// A file with our catalog opens as a site database does. Any other SQLite file opens without
// our lock file, without changing its journal mode and without a catalog of ours, so that
// opening it writes nothing to it or beside it; its changes are guarded by SQLite's own locks.
void DaoConnection::OpenData(const std::string& path, bool readOnly) {
    Close();
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        CDaoException::Throw(daoErrFileNotFound,
                             "Could not find the database file '" + CString(path) + "'.");
    if (S_ISDIR(info.st_mode))
        CDaoException::Throw(daoErrCannotOpen,
                             "'" + CString(path) + "' is a folder, not a database file.");
    bool ours = false;
    try {
        OpenHandle(path, readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE);
        Configure();
        ours = DaoCatalog::Exists(*this);
        if (!ours) {
            m_readOnly = readOnly;
            m_plain = true;
            m_catalog->Load();
            return;
        }
    } catch (...) {
        Close();
        throw;
    }
    Close();
    Open(path, false, readOnly);
}
