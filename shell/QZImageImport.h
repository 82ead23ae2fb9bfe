#pragma once
// The Import Images dialog: the user picks GIF and JPEG files; those that lie elsewhere are
// copied into the image directory under the section's development path, and OK makes one
// image object per picked file with its name, size in bytes, width and height. The picked
// files are kept as a list of paths, so names with blanks come through whole; choosing
// another site or section moves the development path and forgets what was picked for the old
// place. The current directory never changes: folders are tested and made by absolute path.

#include "platform/core/CString.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CEdit.h"
#include "shell/QZDirectoryEdit.h"
#include "shell/QZSectionComboBox.h"
#include "shell/QZServiceComboBox.h"

#include <vector>

class QZImageImport : public CDialog {
public:
    explicit QZImageImport(CWnd* pParent = nullptr);

    // IDOK or IDCANCEL; -1 when the dialog cannot be shown.
    INT_PTR DoModal();

    CString m_strImageDirectory;
    CString m_strFileNames;
    CString m_strDevelopPath;
    // The picked files, each a full path in the image directory.
    std::vector<CString> m_ChosenPaths;
    QZServiceComboBox m_ServiceCombo;
    QZSectionComboBox m_SectionCombo;
    QZDirectoryEdit m_DirectoryEdit;
    CEdit m_FileNamesEdit;

protected:
    BOOL OnInitDialog() override;
    // Makes the image objects, then closes the dialog.
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void OnSiteChosen();
    void OnSectionChosen();
    void OnBrowseImages();
    // The development path of the site and section (native, no trailing separator).
    static CString DevelopPathOf(const QZKeyCombo& service, const QZKeyCombo& section);
    // Moves to the development path of the chosen site and section, forgetting the picks.
    void MoveToChosenPlace();
    // The folder that receives the files; made after the user agreed. FALSE to stop.
    BOOL PrepareTarget(CString& target);
    // The files the user picked, or none after Cancel.
    std::vector<CString> PickFiles(const CString& target);
    // Copies the files into the target after the user agreed; the paths that arrived.
    std::vector<CString> CopyInto(const std::vector<CString>& files, const CString& target);
    void ReadControls();
    void ShowFileNames();
    void MakeImage(const CString& path, const QZKeyCombo& service, const QZKeyCombo& section);
};
