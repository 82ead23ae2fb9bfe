#include "shell/QZImageImport.h"

#include "content/QZServiceLookups.h"
#include "content/QZVantrelImage.h"
#include "db/QZApplication.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Paths.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CFileDialog.h"
#include "platform/ui/DialogModalLoop.h"
#include "res/Resource.h"
#include "shell/QZImageSize.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr int kDirectoryLimit = 30;
constexpr const char* kImageFilter = "Image Files (*.gif;*.jpg)|*.gif;*.jpg|All files (*.*)|*.*||";

CString Formatted(LPCTSTR format, const CString& value) {
    CString text;
    text.Format(format, static_cast<LPCTSTR>(value));
    return text;
}

CString StringResource(UINT id) {
    CString text;
    text.LoadString(id);
    return text;
}

CString Joined(const CString& folder, const CString& name) {
    if (folder.IsEmpty())
        return name;
    if (name.IsEmpty())
        return folder;
    return folder + (folder.Right(1) == "/" ? "" : "/") + name;
}

CString NameOf(const CString& path) {
    return fs::path(path.str()).filename().string().c_str();
}

bool SameFolder(const fs::path& a, const fs::path& b) {
    std::error_code failed;
    return fs::weakly_canonical(a, failed) == fs::weakly_canonical(b, failed);
}

} // namespace

QZImageImport::QZImageImport(CWnd* pParent) {
    m_pParentWnd = pParent;
}

INT_PTR QZImageImport::DoModal() {
    m_nModalResult = IDCANCEL;
    if (!Create(IDD_IMPORT_IMAGES, GetSafeOwner(m_pParentWnd)))
        return -1;
    RunDialogModalLoop(*this);
    DestroyWindow();
    return m_nModalResult;
}

CString QZImageImport::DevelopPathOf(const QZKeyCombo& service, const QZKeyCombo& section) {
    CString path = GetServiceDevelopPath(service);
    if (!path.IsEmpty() && path.Right(1) != "\\")
        path += "\\";
    path += GetServiceSectionDirectory(service, section);
    path = MapWindowsPath(path);
    while (path.GetLength() > 1 && path.Right(1) == "/")
        path = path.Left(path.GetLength() - 1);
    return path;
}

BOOL QZImageImport::OnInitDialog() {
    QZApplication* app = GetVantrelApp();
    m_strDevelopPath = DevelopPathOf(app->GetCurrentServiceKey(), app->GetCurrentSectionKey());
    m_DirectoryEdit.SubclassDlgItem(IDC_IIMG_DIRECTORY, this);
    m_DirectoryEdit.LimitText(kDirectoryLimit);
    m_FileNamesEdit.SubclassDlgItem(IDC_IIMG_FILENAMES, this);
    m_ServiceCombo.SubclassDlgItem(IDC_IIMG_SERVICE, this);
    m_ServiceCombo.Fill(app->GetCurrentServiceKey());
    m_SectionCombo.SubclassDlgItem(IDC_IIMG_SECTION, this);
    m_SectionCombo.Fill(app->GetCurrentServiceKey(), app->GetCurrentSectionKey());
    CDialog::OnInitDialog();
    if (CWnd* path = GetDlgItem(IDC_IIMG_DEVPATH))
        path->SetWindowText(m_strDevelopPath);
    return TRUE;
}

BOOL QZImageImport::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (id == IDC_IIMG_SERVICE && code == CBN_SELENDOK)
        OnSiteChosen();
    else if (id == IDC_IIMG_SECTION && code == CBN_SELENDOK)
        OnSectionChosen();
    else if (id == IDC_IIMG_BROWSE && code == 0)
        OnBrowseImages();
    else
        return CDialog::OnCommand(wParam, lParam);
    return TRUE;
}

void QZImageImport::OnSiteChosen() {
    m_SectionCombo.Fill(m_ServiceCombo.GetSelectedKey(), GetVantrelApp()->GetCurrentSectionKey());
    MoveToChosenPlace();
}

void QZImageImport::OnSectionChosen() {
    MoveToChosenPlace();
}

void QZImageImport::MoveToChosenPlace() {
    m_strDevelopPath =
        DevelopPathOf(m_ServiceCombo.GetSelectedKey(), m_SectionCombo.GetSelectedKey());
    if (CWnd* path = GetDlgItem(IDC_IIMG_DEVPATH))
        path->SetWindowText(m_strDevelopPath);
    m_ChosenPaths.clear();
    ShowFileNames();
}

void QZImageImport::ReadControls() {
    m_DirectoryEdit.GetWindowText(m_strImageDirectory);
    m_FileNamesEdit.GetWindowText(m_strFileNames);
}

void QZImageImport::ShowFileNames() {
    m_strFileNames.Empty();
    for (const CString& path : m_ChosenPaths)
        m_strFileNames += NameOf(path) + " ";
    m_FileNamesEdit.SetWindowText(m_strFileNames);
}

BOOL QZImageImport::PrepareTarget(CString& target) {
    if (!m_strImageDirectory.IsEmpty() && !QZDirectoryEdit::CheckDirectoryName(m_strImageDirectory))
        return FALSE;
    target = Joined(m_strDevelopPath, m_strImageDirectory);
    std::error_code failed;
    if (fs::is_directory(target.str(), failed))
        return TRUE;
    const CString question = Formatted(StringResource(IDS_CREATE_DIRECTORY), target);
    if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    fs::create_directories(target.str(), failed);
    if (!fs::is_directory(target.str(), failed)) {
        AfxMessageBox(Formatted("Unable to create Path:  %s", target));
        return FALSE;
    }
    return TRUE;
}

std::vector<CString> QZImageImport::PickFiles(const CString& target) {
    CFileDialog dialog(TRUE, "gif", nullptr,
                       OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST |
                           OFN_HIDEREADONLY | OFN_NOCHANGEDIR,
                       kImageFilter, this);
    dialog.m_ofn.lpstrInitialDir = target;
    std::vector<CString> files;
    if (dialog.DoModal() != IDOK)
        return files;
    for (POSITION pos = dialog.GetStartPosition(); pos;)
        files.push_back(dialog.GetNextPathName(pos));
    return files;
}

std::vector<CString> QZImageImport::CopyInto(const std::vector<CString>& files,
                                             const CString& target) {
    std::vector<CString> arrived;
    const CString question = Formatted("These images will be copied into:  %s", target);
    if (AfxMessageBox(question, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return arrived;
    for (const CString& file : files) {
        const CString destination = Joined(target, NameOf(file));
        std::error_code failed;
        // An existing file of that name is never overwritten.
        if (!fs::copy_file(file.str(), destination.str(), fs::copy_options::none, failed)) {
            AfxMessageBox(Formatted("Unable to copy:  %s", NameOf(file)));
            continue;
        }
        arrived.push_back(destination);
    }
    return arrived;
}

void QZImageImport::OnBrowseImages() {
    ReadControls();
    CString target;
    if (!PrepareTarget(target))
        return;
    const std::vector<CString> files = PickFiles(target);
    if (files.empty())
        return;
    if (SameFolder(fs::path(files.front().str()).parent_path(), target.str())) {
        m_ChosenPaths.insert(m_ChosenPaths.end(), files.begin(), files.end());
    } else {
        const std::vector<CString> arrived = CopyInto(files, target);
        m_ChosenPaths.insert(m_ChosenPaths.end(), arrived.begin(), arrived.end());
    }
    ShowFileNames();
}

void QZImageImport::OnOK() {
    ReadControls();
    const QZKeyCombo service =
        m_ServiceCombo.GetSafeHwnd() ? m_ServiceCombo.GetSelectedKey() : QZKeyCombo();
    const QZKeyCombo section =
        m_SectionCombo.GetSafeHwnd() ? m_SectionCombo.GetSelectedKey() : QZKeyCombo();
    for (const CString& path : m_ChosenPaths)
        MakeImage(path, service, section);
    CDialog::OnOK();
}

void QZImageImport::MakeImage(const CString& path, const QZKeyCombo& service,
                              const QZKeyCombo& section) {
    const CString name = NameOf(path);
    QZVantrelImage image;
    image.SetImageName(name);
    image.SetServiceKey(service);
    image.SetSectionKey(section);
    image.SetFileName(name);
    image.SetDirectory(m_strImageDirectory);
    const QZImageSize size = MeasureImageFile(path);
    image.SetImageFileSize(size.fileSize);
    image.SetWidth(static_cast<short>(size.width));
    image.SetHeight(static_cast<short>(size.height));
    image.Save();
}
