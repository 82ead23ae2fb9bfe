// The paths of an object's files on the development and production sites, and publishing a
// file from one to the other.
#include "content/QZAttributes.h"
#include "content/QZFileDestination.h"
#include "content/QZSection.h"
#include "content/QZService.h"
#include "content/QZSiteSettings.h"
#include "content/QZVantrelBase.h"
#include "platform/core/FileServices.h"
#include "platform/core/MessageBox.h"

#include <vector>

namespace {

// The non-empty levels of a directory text, split at either separator.
std::vector<CString> Levels(const CString& part) {
    std::vector<CString> levels;
    CString level;
    for (int i = 0; i <= part.GetLength(); i++) {
        char c = i < part.GetLength() ? part[i] : '/';
        if (c != '/' && c != '\\') {
            level += c;
            continue;
        }
        if (!level.IsEmpty())
            levels.push_back(level);
        level.Empty();
    }
    return levels;
}

// TRUE when a directory part below the root would lead out of the site: an absolute path (also
// one with a drive) or a ".." level.
BOOL LeavesSite(const CString& part) {
    if (part[0] == '/' || part[0] == '\\' || (part.GetLength() > 1 && part[1] == ':'))
        return TRUE;
    for (const CString& level : Levels(part))
        if (level == "..")
            return TRUE;
    return FALSE;
}

BOOL RefusePart(const CString& part) {
    CString text;
    text.Format("The directory or file name %s leaves the site directory.", part);
    AfxMessageBox(text);
    return FALSE;
}

} // namespace

BOOL QZVantrelBase::AppendPathPart(CString& path, const CString& part, const CString& separator,
                                   BOOL notFirst, BOOL createLocal) {
    if (part.IsEmpty())
        return TRUE;
    if (!notFirst) {
        m_strRelativePath.Empty();
    } else {
        if (LeavesSite(part))
            return RefusePart(part);
        for (size_t level = Levels(part).size(); level > 0; level--)
            m_strRelativePath += "../";
        path += separator;
    }
    // Each level of the part is made in turn. An existing directory, or one that cannot be
    // made, is passed over: opening the file tells. Directories of an FTP site are made when
    // its file is written.
    for (int i = 0; i < part.GetLength(); i++) {
        char c = part[i];
        if (createLocal && (c == '/' || c == '\\') && i > 0)
            CreateDirectoryA(path);
        path += c;
    }
    if (createLocal)
        CreateDirectoryA(path);
    return TRUE;
}

BOOL QZVantrelBase::BuildSiteDirectory(const QZSiteSettings& site, BOOL withSection, BOOL withOwn,
                                       CString& path) {
    path.Empty();
    m_strRelativePath.Empty();
    BOOL local = !site.ftp;
    if (!AppendPathPart(path, site.root, site.separator, FALSE, local) ||
        !AppendPathPart(path, m_pService->GetDirectory(), site.separator, TRUE, local))
        return FALSE;
    if (withSection &&
        !AppendPathPart(path, m_pSection->GetDirectory(), site.separator, TRUE, local))
        return FALSE;
    return !withOwn || AppendPathPart(path, GetDirectory(), site.separator, TRUE, local);
}

BOOL QZVantrelBase::BuildSitePath(const QZSiteSettings& site, const CString& fileName,
                                  BOOL withSection, BOOL withOwn, CString& path) {
    if (!BuildSiteDirectory(site, withSection, withOwn, path))
        return FALSE;
    if (fileName.FindOneOf("/\\:") >= 0 || fileName == ".." || fileName == ".")
        return RefusePart(fileName);
    path += site.separator + fileName;
    return TRUE;
}

void QZVantrelBase::ReleaseRunObjects() {
    m_pService.reset();
    m_pSection.reset();
    m_pStyle.reset();
}

int QZVantrelBase::PublishFile() {
    LoadService();
    LoadSection();
    const CServicesSet& service = *m_pService->GetRecordset();
    QZSiteSettings development = QZSiteSettings::Development(service);
    QZSiteSettings production = QZSiteSettings::Production(service);
    CString developPath;
    CString productionPath;
    int copied = 0;
    if (BuildSitePath(development, GetFileName(), TRUE, TRUE, developPath) &&
        BuildSitePath(production, GetFileName(), TRUE, TRUE, productionPath)) {
        QZFileDestination source = development.Destination(developPath);
        QZFileDestination target = production.Destination(productionPath);
        copied = QZFileDestination::CopyDestinationFile(source, target);
    }
    if (copied) {
        SetLastPublished(COleDateTime::GetCurrentTime());
        SetPublishFlag(FALSE);
    }
    ReleaseRunObjects();
    return copied;
}
