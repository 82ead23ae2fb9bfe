#include "setupext/FileDialogChooser.h"

#include "platform/ui/CFileDialog.h"
#include "platform/ui/WindowSystemScope.h"

namespace {
constexpr const char* kFilter = "Access databases (*.mdb)|*.mdb|All files (*.*)|*.*||";
} // namespace

bool FileDialogChooser::Choose(const std::string& folder, const std::string& fileName,
                               std::string* chosen) {
    WindowSystemScope windows;
    if (!windows.IsRunning())
        return false;
    CFileDialog dialog(TRUE, "mdb", fileName.c_str(), OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                       kFilter);
    dialog.m_ofn.Flags &= ~OFN_EXPLORER;
    // The dialog opens in the folder itself: the setup program's current directory stays.
    dialog.m_ofn.lpstrInitialDir = folder.c_str();
    if (dialog.DoModal() != IDOK)
        return false;
    *chosen = dialog.GetPathName().str();
    return true;
}
