#pragma once
// The file dialog of the window system (the desktop's file chooser), run modally: an Open
// dialog asks for an existing file and gives the full path of the one the user confirmed.
//
// Where the chooser differs from the original's dialog:
// - It opens in m_ofn.lpstrInitialDir when that is a folder; else in the folder of the initial
//   file name when it names one that exists; else in the current directory. Relative folders
//   are taken from the current directory. The initial file name is shown selected when the file
//   lies in that folder (the Open chooser has no name field to show any other name in).
// - The current directory never changes, whatever OFN_NOCHANGEDIR says.
// - Filter patterns match letters in either case, as on the original's file systems, and
//   "*.*" matches every name.
// - The chooser has one look (OFN_EXPLORER changes nothing) and no read-only check box
//   (OFN_HIDEREADONLY changes nothing); it confirms only existing files, so the default
//   extension has no name to complete.

#include "platform/core/MessageBox.h" // IDOK, IDCANCEL
#include "platform/ui/CDialog.h"

#include <vector>

constexpr DWORD OFN_READONLY = 0x00000001;
constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_NOCHANGEDIR = 0x00000008;
// Several files may be chosen at once: GetStartPosition and GetNextPathName walk them.
constexpr DWORD OFN_ALLOWMULTISELECT = 0x00000200;
constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;
constexpr DWORD OFN_EXPLORER = 0x00080000;

struct OPENFILENAME {
    DWORD lStructSize;
    HWND hwndOwner;
    DWORD nFilterIndex;      // the filter entry shown first, from 1 (0 is the first too)
    LPCTSTR lpstrInitialDir; // the folder to open in, or null
    LPCTSTR lpstrTitle;      // the caption, or null for "Open"
    DWORD Flags;
    LPCTSTR lpstrDefExt;
};

class CFileDialog : public CDialog {
    DECLARE_DYNAMIC(CFileDialog)
public:
    // The filter is pairs of a description and its patterns (separated by ";"), each part
    // ending with "|", the whole ending with "||": "Text (*.txt)|*.txt|All files (*.*)|*.*||".
    // Only Open dialogs are built (bOpenFileDialog TRUE); OFN_EXPLORER is set, as the original
    // sets it.
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr,
                         LPCTSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         LPCTSTR lpszFilter = nullptr, CWnd* pParentWnd = nullptr);

    // IDOK with the chosen file's path, or IDCANCEL (also at once for a Save As dialog, and
    // without a window system).
    virtual INT_PTR DoModal();
    // The full path of the chosen file; before DoModal, the initial file name.
    CString GetPathName() const { return m_strPathName; }
    // The chosen files' full paths, in the chooser's order: the position of the first (null
    // when none was chosen), and the path at a position, which moves on to the next.
    POSITION GetStartPosition() const;
    CString GetNextPathName(POSITION& pos) const;

    OPENFILENAME m_ofn;

private:
    BOOL m_bOpenFileDialog;
    CString m_strDefExt;
    CString m_strFilter;
    CString m_strPathName;
    std::vector<CString> m_paths;
};
