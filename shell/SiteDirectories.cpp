#include "shell/SiteDirectories.h"

#include "content/QZLocalPath.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Paths.h"
#include "res/Resource.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

fs::path Native(const CString& path) {
    return fs::path(MapWindowsPath(path).str());
}

void ShowUnableToCreate(const CString& path) {
    CString text;
    text.Format("Unable to create Path:  %s", static_cast<LPCTSTR>(path));
    AfxMessageBox(text);
}

BOOL MakeOne(const CString& path) {
    std::error_code failed;
    fs::create_directory(Native(path), failed);
    return !failed && fs::is_directory(Native(path), failed);
}

} // namespace

CString JoinSiteDirectory(const CString& root, const CString& part) {
    return JoinLocalPath(root, part);
}

BOOL IsAbsoluteSiteDirectory(const CString& path) {
    return !path.IsEmpty() && Native(path).is_absolute();
}

BOOL SiteDirectoryExists(const CString& path) {
    std::error_code failed;
    return IsAbsoluteSiteDirectory(path) && fs::is_directory(Native(path), failed);
}

SiteDirectoryResult OfferSiteDirectory(const CString& path, const CString& parent) {
    // A relative path would be made wherever the program happened to start.
    if (!IsAbsoluteSiteDirectory(path)) {
        ShowUnableToCreate(path);
        return SiteDirectoryResult::failed;
    }
    if (SiteDirectoryExists(path))
        return SiteDirectoryResult::existed;
    CString question;
    question.Format(IDS_CREATE_DIRECTORY, static_cast<LPCTSTR>(path));
    if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return SiteDirectoryResult::declined;
    if (MakeOne(path))
        return SiteDirectoryResult::made;
    if (IsAbsoluteSiteDirectory(parent) && MakeOne(parent) && MakeOne(path))
        return SiteDirectoryResult::made;
    ShowUnableToCreate(path);
    return SiteDirectoryResult::failed;
}

BOOL RenameSiteDirectory(const CString& from, const CString& to) {
    if (!IsAbsoluteSiteDirectory(from) || !IsAbsoluteSiteDirectory(to))
        return FALSE;
    std::error_code failed;
    if (fs::exists(Native(to), failed) || !fs::is_directory(Native(from), failed))
        return FALSE;
    fs::rename(Native(from), Native(to), failed);
    return !failed;
}
