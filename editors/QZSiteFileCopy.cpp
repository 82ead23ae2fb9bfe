#include "editors/QZSiteFileCopy.h"

#include "platform/core/MessageBox.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr char kSep = '/';

BOOL EndsWithSep(const CString& path) {
    return !path.IsEmpty() && path[path.GetLength() - 1] == kSep;
}

CString Joined(const CString& dir, const CString& part) {
    CString path = dir;
    if (!EndsWithSep(path) && !part.IsEmpty())
        path += kSep;
    path += part;
    return path;
}

fs::path Canonical(const CString& path) {
    std::error_code error;
    fs::path canonical = fs::weakly_canonical(fs::path(path.str()), error);
    return error ? fs::path(path.str()).lexically_normal() : canonical;
}

// The components of `path` below `base`, when `path` is `base` or lies inside it (whole
// components, case counting).
std::optional<fs::path> Below(const fs::path& path, const fs::path& base) {
    auto p = path.begin();
    for (auto b = base.begin(); b != base.end(); ++b, ++p) {
        if (b->empty())
            continue; // a trailing separator
        if (p == path.end() || *p != *b)
            return std::nullopt;
    }
    fs::path rest;
    for (; p != path.end(); ++p) {
        if (!p->empty())
            rest /= *p;
    }
    return rest;
}

} // namespace

QZSiteFileCopy::QZSiteFileCopy(const CString& developDir, Chooser chooser)
    : m_strDevelopDir(developDir), m_chooser(std::move(chooser)) {}

std::optional<CString> QZSiteFileCopy::Run(const CString& filter, CString& fileName,
                                           CString& relativeDir, CString& fileDir) const {
    // The root offers a sample name.
    const std::optional<Choice> choice = Choose(filter, fileName, relativeDir, "image.gif");
    if (!choice)
        return std::nullopt;
    CString target = choice->target;
    CString chosenDir = choice->dir;
    const CString& name = choice->name;

    const fs::path chosenCanon = Canonical(chosenDir);
    if (chosenCanon != Canonical(target)) {
        const std::optional<fs::path> inSite = Below(chosenCanon, Canonical(m_strDevelopDir));
        BOOL copy = TRUE;
        if (inSite) {
            const fs::path& rest = *inSite;
            if (std::distance(rest.begin(), rest.end()) <= 1) {
                // One folder below the site's development folder: it stays there.
                relativeDir = rest.string().c_str();
                copy = FALSE;
            } else {
                relativeDir = rest.begin()->string().c_str();
                target = Joined(m_strDevelopDir, relativeDir);
            }
        }
        if (copy) {
            CString question;
            question.Format("%s will be copied into:  %s", (LPCTSTR)name, (LPCTSTR)target);
            if (AfxMessageBox(question, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
                return std::nullopt;
            if (!CopyInto(choice->path, name, target))
                return std::nullopt;
            chosenDir = target;
        }
    }
    fileName = name;
    fileDir = chosenDir;
    return name;
}

std::optional<CString> QZSiteFileCopy::RunInto(const CString& filter, const CString& fileName,
                                               const CString& relativeDir, LPCTSTR question) const {
    const std::optional<Choice> choice = Choose(filter, fileName, relativeDir, nullptr);
    if (!choice)
        return std::nullopt;
    if (Canonical(choice->dir) != Canonical(choice->target)) {
        CString text;
        text.Format(question, (LPCTSTR)choice->target);
        if (AfxMessageBox(text, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
            return std::nullopt;
        if (!CopyInto(choice->path, choice->name, choice->target))
            return std::nullopt;
    }
    return choice->name;
}

std::optional<QZSiteFileCopy::Choice> QZSiteFileCopy::Choose(const CString& filter,
                                                             const CString& fileName,
                                                             const CString& relativeDir,
                                                             LPCTSTR rootName) const {
    Choice choice;
    choice.target = Joined(m_strDevelopDir, relativeDir);
    if (!EnsureFolder(choice.target))
        return std::nullopt;
    // A folder alone is offered as a name in it.
    CString initial = Joined(choice.target, fileName);
    if (rootName && initial == CString(kSep))
        initial += rootName;
    else if (EndsWithSep(initial) && initial.GetLength() > 1)
        initial = initial.Left(initial.GetLength() - 1);

    const std::optional<CString> chosen = m_chooser(initial, filter);
    if (!chosen)
        return std::nullopt;
    const int lastSep = chosen->ReverseFind(kSep);
    if (lastSep < 0)
        return std::nullopt;
    if (EndsWithSep(choice.target) && choice.target.GetLength() > 1)
        choice.target = choice.target.Left(choice.target.GetLength() - 1);
    choice.path = *chosen;
    choice.dir = chosen->Left(lastSep);
    choice.name = chosen->Mid(lastSep + 1);
    return choice;
}

BOOL QZSiteFileCopy::EnsureFolder(const CString& target) const {
    std::error_code error;
    if (fs::is_directory(fs::path(target.str()), error))
        return TRUE;
    CString question;
    question.Format("Should this directory be created?\n\n%s", (LPCTSTR)target);
    if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    if (!fs::create_directory(fs::path(target.str()), error) || error) {
        CString text;
        text.Format("Unable to create Path:  %s", (LPCTSTR)target);
        AfxMessageBox(text, MB_OK);
        return FALSE;
    }
    return TRUE;
}

BOOL QZSiteFileCopy::CopyInto(const CString& chosenPath, const CString& name,
                              const CString& target) {
    std::error_code error;
    // A file of that name already there is kept: the copy fails.
    const BOOL copied =
        fs::copy_file(fs::path(chosenPath.str()), fs::path(Joined(target, name).str()),
                      fs::copy_options::none, error) &&
        !error;
    if (!copied) {
        CString text;
        text.Format("Unable to copy:  %s", (LPCTSTR)name);
        AfxMessageBox(text, MB_OK);
    }
    return copied;
}
