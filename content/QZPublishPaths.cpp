#include "content/QZPublishPaths.h"

#include "platform/core/MessageBox.h"

#include <filesystem>

namespace {
bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}
} // namespace

std::vector<CString> DirectoryLevels(const CString& directory) {
    std::vector<CString> levels;
    CString level;
    for (int i = 0; i <= directory.GetLength(); i++) {
        char c = i < directory.GetLength() ? directory[i] : '/';
        if (!IsSeparator(c)) {
            level += c;
            continue;
        }
        if (!level.IsEmpty())
            levels.push_back(level);
        level.Empty();
    }
    return levels;
}

BOOL LeavesPublishTree(const CString& directory) {
    if (directory.IsEmpty())
        return FALSE;
    if (IsSeparator(directory[0]) || (directory.GetLength() > 1 && directory[1] == ':'))
        return TRUE;
    for (const CString& level : DirectoryLevels(directory))
        if (level == "..")
            return TRUE;
    return FALSE;
}

BOOL IsPlainFileName(const CString& name) {
    return !name.IsEmpty() && name.FindOneOf("/\\:") < 0 && name != "." && name != "..";
}

CString LeavesTreeText(const CString& part) {
    CString text;
    text.Format("The directory or file name %s leaves the site directory.",
                static_cast<LPCTSTR>(part));
    return text;
}

int AskToCreateDirectory(const CString& directory) {
    CString question;
    question.Format("Should this directory be created?\n\n%s", directory);
    return AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION);
}

BOOL IsLocalDirectory(const CString& path) {
    std::error_code error;
    return !path.IsEmpty() && std::filesystem::is_directory(path.str(), error);
}

BOOL IsLocalFile(const CString& path) {
    std::error_code error;
    return !path.IsEmpty() && std::filesystem::is_regular_file(path.str(), error);
}

BOOL MakeLocalDirectories(const CString& path) {
    if (path.IsEmpty())
        return FALSE;
    std::error_code error;
    std::filesystem::create_directories(path.str(), error);
    return IsLocalDirectory(path);
}

BOOL CopyFileOver(const CString& source, const CString& target) {
    std::error_code error;
    return std::filesystem::copy_file(source.str(), target.str(),
                                      std::filesystem::copy_options::overwrite_existing, error);
}

CString Slashed(const CString& text) {
    CString slashed = text;
    slashed.Replace('\\', '/');
    return slashed;
}
