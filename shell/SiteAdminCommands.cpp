#include "shell/SiteAdminCommands.h"

#include "content/QZAttributes.h"
#include "content/QZSection.h"
#include "content/QZService.h"
#include "platform/core/MessageBox.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CaughtDaoError.h"
#include "shell/CVantrel3App.h"
#include "shell/QZPreferences.h"
#include "shell/QZSectionForm.h"
#include "shell/QZServiceForm.h"
#include "shell/QZSiteMenuHost.h"
#include "shell/QZSiteWizard.h"

namespace {

// The site browser reads its list of sites again (a site was added, renamed or deleted) and
// shows the selected site; the selected section is kept while its site is.
void ShowSelectedSite(CVantrel3App& app) {
    QZSiteMenuHost* host = GetSiteMenuHost();
    if (!host)
        return;
    const QZKeyCombo site = app.GetCurrentServiceKey();
    const QZKeyCombo section = app.GetCurrentSectionKey();
    host->ReloadSiteViewer();
    // A site the list no longer holds (it was deleted) takes its section with it.
    if (app.GetCurrentServiceKey() == site)
        app.GetCurrentSectionKey().SetKey(section.m_DbID, section.m_KeyID);
}

// A new site made by the settings sheet gets its default style and first section, and becomes
// the selected site and section.
void SetUpNewSite(CVantrel3App& app, const QZKeyCombo& site) {
    QZAttributes style;
    style.SetName("Default Style");
    style.SetPublishFlag(TRUE);
    style.SetServiceKey(site);
    style.Save();
    const QZKeyCombo styleKey = style.GetKey();

    {
        QZService service(site, TRUE);
        service.SetStyleKey(styleKey);
        service.SetPublishFlag(TRUE);
        // Freeing the object would not store it: it is saved first.
        service.Save();
    }
    app.GetCurrentServiceKey().SetKey(site.m_DbID, site.m_KeyID);

    QZSection section;
    section.SetPublishFlag(TRUE);
    section.SetSectionName("Main Section");
    section.SetSectionTitle("Main");
    section.SetServiceKey(site);
    section.SetStyleKey(styleKey);
    section.Save();
    const QZKeyCombo sectionKey = section.GetKey();
    app.GetCurrentSectionKey().SetKey(sectionKey.m_DbID, sectionKey.m_KeyID);
}

} // namespace

void SiteAdminNewSite(CWnd* parent) {
    CVantrel3App* app = GetVantrel3App();
    if (!app)
        return;
    if (g_bUseWizards) {
        QZKeyCombo site(0, 0, OBJ_SERVICE);
        if (!RunNewSiteWizard(parent, site))
            return;
        app->GetCurrentServiceKey().SetKey(site.m_DbID, site.m_KeyID);
        ShowSelectedSite(*app);
        return;
    }
    QZServiceForm sheet("Site", parent);
    sheet.m_Key = QZKeyCombo(0, 0, OBJ_SERVICE);
    if (sheet.DoModal() != IDOK)
        return;
    try {
        SetUpNewSite(*app, sheet.m_Key);
    } catch (CDaoException* e) {
        AfxMessageBox(CaughtDaoError(e).Message());
    }
    ShowSelectedSite(*app);
}

void SiteAdminEditSite(CWnd* parent) {
    CVantrel3App* app = GetVantrel3App();
    if (!app || app->GetCurrentServiceKey().m_KeyID == 0)
        return;
    QZServiceForm sheet("Site", parent);
    sheet.m_Key = app->GetCurrentServiceKey();
    if (sheet.DoModal() == IDOK)
        ShowSelectedSite(*app);
}

namespace {

void RunSectionSheet(CWnd* parent, const QZKeyCombo& key) {
    CVantrel3App* app = GetVantrel3App();
    QZSectionForm sheet("Section", parent);
    sheet.m_Key = key;
    if (sheet.DoModal() != IDOK)
        return;
    app->GetCurrentSectionKey().SetKey(sheet.m_Key.m_DbID, sheet.m_Key.m_KeyID);
    RefreshObjectTree(OBJ_SECTION, sheet.m_Key);
}

} // namespace

void SiteAdminNewSection(CWnd* parent) {
    if (GetVantrel3App())
        RunSectionSheet(parent, QZKeyCombo(0, 0, OBJ_SECTION));
}

void SiteAdminEditSection(CWnd* parent) {
    CVantrel3App* app = GetVantrel3App();
    if (!app || app->GetCurrentSectionKey().m_KeyID == 0)
        return;
    RunSectionSheet(parent, app->GetCurrentSectionKey());
}

void SiteAdminOptions(CWnd* parent) {
    QZPreferences sheet("Preferences", parent);
    sheet.DoModal();
}
