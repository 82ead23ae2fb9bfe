#pragma once
// Lets the user pick a file for an object and brings it into the site's development tree: a
// file already in the target folder, or one folder below the site's development folder, stays
// where it is; a file deeper in the site goes into the first folder below the development
// folder; any other file is copied into the target folder. The process's current directory is
// never changed, and "inside the site" compares whole components of canonical paths, case
// counting.

#include "platform/core/CString.h"

#include <functional>
#include <optional>

class QZSiteFileCopy {
public:
    // Shows a file chooser opening at `initialName` with `filter`; the chosen full path, or
    // nothing when the user cancelled.
    using Chooser =
        std::function<std::optional<CString>(const CString& initialName, const CString& filter)>;

    QZSiteFileCopy(const CString& developDir, Chooser chooser);

    // `relativeDir` (below the development folder) and `fileName` are in and out; `fileDir`
    // receives the folder the file now lies in. The chosen file's name, or nothing when nothing
    // was chosen or copied (the user has been told why where it was not their choice).
    std::optional<CString> Run(const CString& filter, CString& fileName, CString& relativeDir,
                               CString& fileDir) const;

    // Lets the user pick a file that must lie in `relativeDir` below the development folder: one
    // chosen anywhere else, inside the site too, is copied there after `question` (a format
    // given the folder) was answered OK. `relativeDir` is never changed. The chosen file's
    // name, or nothing.
    std::optional<CString> RunInto(const CString& filter, const CString& fileName,
                                   const CString& relativeDir, LPCTSTR question) const;

private:
    // What the user chose: its full path, folder and name, and the target folder without a
    // closing separator.
    struct Choice {
        CString path;
        CString dir;
        CString name;
        CString target;
    };
    // Makes the target folder `relativeDir` when missing (asking first), then lets the user
    // choose a file starting at `fileName` in it; the root alone offers `rootName`, if any.
    std::optional<Choice> Choose(const CString& filter, const CString& fileName,
                                 const CString& relativeDir, LPCTSTR rootName) const;
    BOOL EnsureFolder(const CString& target) const;
    static BOOL CopyInto(const CString& chosenPath, const CString& name, const CString& target);

    CString m_strDevelopDir;
    Chooser m_chooser;
};
