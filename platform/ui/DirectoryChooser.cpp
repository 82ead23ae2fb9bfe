#include "platform/ui/DirectoryChooser.h"

#include "platform/ui/CWnd.h"
#include "platform/ui/WxText.h"

#include <wx/app.h>
#include <wx/dirdlg.h>

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

BOOL ChooseDirectory(CWnd* owner, LPCTSTR title, LPCTSTR initialDir, CString& directory) {
    if (!wxTheApp)
        return FALSE;
    std::error_code failed;
    const fs::path current = fs::current_path(failed);
    fs::path start = current;
    if (initialDir && *initialDir && fs::is_directory(current / initialDir, failed))
        start = current / initialDir;
    wxDirDialog dialog(owner ? owner->GetSafeHwnd() : nullptr, ToWx(title),
                       ToWx(start.string().c_str()), wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK)
        return FALSE;
    directory = FromWx(dialog.GetPath());
    return TRUE;
}
