#include "shell/SiteMenuCommands.h"

#include "db/QZKeyCombo.h"
#include "platform/core/MessageBox.h"
#include "shell/QZComponentInsert.h"
#include "shell/QZComponentInstall.h"
#include "shell/QZGenerateView.h"
#include "shell/QZImageImport.h"
#include "shell/QZPublishView.h"
#include "shell/QZSiteImport.h"
#include "shell/QZSiteMenuHost.h"

namespace {

// TRUE when no editor is open, or the user agreed and every editor was saved and closed.
BOOL CloseAllForRun() {
    QZSiteMenuHost* host = GetSiteMenuHost();
    if (!host || !host->HasOpenDocuments())
        return TRUE;
    if (AfxMessageBox("This will save and close all currently open windows.",
                      MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return FALSE;
    // An editor the user kept open would be written behind the run's back: no run then.
    return host->SaveAndCloseAll();
}

void RefreshSelectedSite() {
    if (QZSiteMenuHost* host = GetSiteMenuHost())
        host->RefreshSelectedSite();
}

} // namespace

void SiteMenuGeneratePages(CWnd* parent) {
    if (!CloseAllForRun())
        return;
    QZGenerateView dialog(parent);
    dialog.DoModal();
}

void SiteMenuPublishObjects(CWnd* parent) {
    if (!CloseAllForRun())
        return;
    QZPublishView dialog(parent);
    dialog.DoModal();
}

void SiteMenuImportSite(CWnd* parent) {
    QZSiteImport dialog(parent);
    if (dialog.DoModal() == IDOK)
        RefreshSelectedSite();
}

void SiteMenuImportImages(CWnd* parent) {
    QZImageImport dialog(parent);
    dialog.DoModal();
    RefreshObjectTree(OBJ_IMAGE, QZKeyCombo());
}

void SiteMenuInstallComponent(CWnd* parent) {
    QZComponentInstall dialog(parent);
    dialog.DoModal();
}

void SiteMenuInsertComponent(CWnd* parent) {
    QZComponentInsert dialog(parent);
    if (dialog.DoModal() != IDOK)
        return;
    AfxMessageBox("The static pages, for this component, need to be generated.");
    RefreshSelectedSite();
}
