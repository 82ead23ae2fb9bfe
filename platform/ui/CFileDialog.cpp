#include "platform/ui/CFileDialog.h"

#include "platform/ui/WxText.h"

#include <wx/app.h>
#include <wx/filedlg.h>

#include <cctype>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + 1)
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}

// One pattern of the original's filter as the chooser's: the chooser compares letters exactly,
// the original's file systems in either case; and "*.*" meant every name, with a dot or not.
std::string ChooserPattern(const std::string& pattern) {
    if (pattern == "*.*")
        return "*";
    std::string result;
    for (char ch : pattern) {
        const auto byte = static_cast<unsigned char>(ch);
        if (std::isalpha(byte))
            result += {'[', static_cast<char>(std::tolower(byte)),
                       static_cast<char>(std::toupper(byte)), ']'};
        else
            result += ch;
    }
    return result;
}

// The filter as wx's wildcard: the same pairs, up to the empty part that ends the filter;
// *entries counts them.
wxString Wildcard(const CString& filter, DWORD* entries) {
    const std::vector<std::string> parts = Split(filter.str(), '|');
    std::string wildcard;
    *entries = 0;
    for (size_t i = 0; i + 1 < parts.size() && !parts[i].empty(); i += 2, ++*entries) {
        std::string patterns;
        for (const std::string& pattern : Split(parts[i + 1], ';'))
            patterns += (patterns.empty() ? "" : ";") + ChooserPattern(pattern);
        wildcard += (wildcard.empty() ? "" : "|") + parts[i] + "|" + patterns;
    }
    return ToWx(wildcard.c_str());
}

bool IsFolder(const fs::path& path) {
    std::error_code failed;
    return !path.empty() && fs::is_directory(path, failed);
}

bool SameFolder(const fs::path& a, const fs::path& b) {
    std::error_code failed;
    return fs::equivalent(a, b, failed);
}

// The folder to open in and the name to show selected in it (see the header).
void StartingPlace(LPCTSTR initialDir, const CString& initialName, fs::path* folder,
                   std::string* name) {
    std::error_code failed;
    const fs::path current = fs::current_path(failed);
    const fs::path file = initialName.IsEmpty() ? fs::path() : current / initialName.str();
    const fs::path given = initialDir && *initialDir ? current / initialDir : fs::path();
    if (IsFolder(given))
        *folder = given;
    else if (IsFolder(file.parent_path()))
        *folder = file.parent_path();
    else
        *folder = current;
    name->clear();
    if (!file.empty() && file.has_filename() && SameFolder(file.parent_path(), *folder))
        *name = file.filename().string();
}

} // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName,
                         DWORD dwFlags, LPCTSTR lpszFilter, CWnd* pParentWnd)
    : m_ofn{sizeof(OPENFILENAME), nullptr, 1, nullptr, nullptr, dwFlags | OFN_EXPLORER, nullptr},
      m_bOpenFileDialog(bOpenFileDialog), m_strDefExt(lpszDefExt ? lpszDefExt : ""),
      m_strFilter(lpszFilter ? lpszFilter : ""), m_strPathName(lpszFileName ? lpszFileName : "") {
    m_pParentWnd = pParentWnd;
    if (lpszDefExt)
        m_ofn.lpstrDefExt = m_strDefExt;
}

INT_PTR CFileDialog::DoModal() {
    if (!wxTheApp || !m_bOpenFileDialog)
        return IDCANCEL;
    fs::path folder;
    std::string name;
    StartingPlace(m_ofn.lpstrInitialDir, m_strPathName, &folder, &name);
    long style = wxFD_OPEN;
    if (m_ofn.Flags & OFN_FILEMUSTEXIST)
        style |= wxFD_FILE_MUST_EXIST;
    if (m_ofn.Flags & OFN_ALLOWMULTISELECT)
        style |= wxFD_MULTIPLE;
    DWORD entries = 0;
    const wxString wildcard = Wildcard(m_strFilter, &entries);
    CWnd* owner = GetSafeOwner(m_pParentWnd);
    wxFileDialog dialog(owner ? owner->GetSafeHwnd() : nullptr,
                        ToWx(m_ofn.lpstrTitle ? m_ofn.lpstrTitle : "Open"),
                        ToWx(folder.string().c_str()), ToWx(name.c_str()), wildcard, style);
    if (m_ofn.nFilterIndex > 1 && m_ofn.nFilterIndex <= entries)
        dialog.SetFilterIndex(static_cast<int>(m_ofn.nFilterIndex) - 1);
    if (dialog.ShowModal() != wxID_OK)
        return IDCANCEL;
    wxArrayString paths;
    if (style & wxFD_MULTIPLE)
        dialog.GetPaths(paths);
    else
        paths.push_back(dialog.GetPath());
    m_paths.clear();
    for (const wxString& path : paths)
        m_paths.push_back(FromWx(path));
    m_strPathName = m_paths.empty() ? CString() : m_paths.front();
    return IDOK;
}

POSITION CFileDialog::GetStartPosition() const {
    return m_paths.empty() ? nullptr : reinterpret_cast<POSITION>(uintptr_t{1});
}

CString CFileDialog::GetNextPathName(POSITION& pos) const {
    const auto index = reinterpret_cast<uintptr_t>(pos);
    if (index == 0 || index > m_paths.size()) {
        pos = nullptr;
        return CString();
    }
    pos = index < m_paths.size() ? reinterpret_cast<POSITION>(index + 1) : nullptr;
    return m_paths[index - 1];
}
