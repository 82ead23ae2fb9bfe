// The application's own commands: a new object of each kind, Open, Save All, and the ways the
// Site Viewer reaches the editors (opening by kind and key, inserting text).

#include "db/QZListLoaders.h"
#include "platform/core/MessageBox.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CaughtDaoError.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CDocManager.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CommandIds.h"
#include "platform/ui/MainWnd.h"
#include "res/Resource.h"
#include "shell/CMainFrame.h"
#include "shell/CVantrel3App.h"
#include "shell/QZEditorServices.h"
#include "shell/QZNewTypeDlg.h"
#include "shell/SiteAdminCommands.h"
#include "shell/SiteMenuCommands.h"

#include <algorithm>
#include <iterator>

BEGIN_MESSAGE_MAP(CVantrel3App, CWinApp)
ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
ON_COMMAND_RANGE(ID_FILE_NEW, ID_FILE_NEW, OnNewObject)
ON_COMMAND_RANGE(ID_NEW_IMAGE, ID_NEW_QUERY, OnNewObject)
ON_COMMAND_RANGE(ID_NEW_SCRIPT, ID_NEW_ADVERTISER, OnNewObject)
ON_COMMAND_RANGE(ID_NEW_EVENT, ID_NEW_EVENT, OnNewObject)
ON_COMMAND_RANGE(ID_NEW_ADSPACE, ID_NEW_AD, OnNewObject)
ON_UPDATE_COMMAND_UI(ID_NEW_AD, OnUpdateNewAd)
ON_COMMAND(ID_FRAMEWORK_NEW, OnFileNewKind)
ON_COMMAND(ID_SAVE_ALL, OnSaveAll)
ON_UPDATE_COMMAND_UI(ID_ALWAYS_DISABLED, OnUpdateAlwaysDisabled)
ON_COMMAND(ID_HELP_QUICK_START, OnHelpQuickStart)
ON_COMMAND(ID_HELP_TUTORIAL, OnHelpTutorial)
ON_COMMAND(ID_HELP_COMMAND_REFERENCE, OnHelpCommandReference)
ON_COMMAND(ID_HELP_CHECK_UPDATES, OnHelpCheckForUpdates)
ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
ON_COMMAND(ID_GENERATE_PAGES, OnGeneratePages)
ON_COMMAND(ID_PUBLISH_OBJECTS, OnPublishObjects)
ON_COMMAND(ID_IMPORT_SITE, OnImportSite)
ON_COMMAND(ID_IMPORT_IMAGES, OnImportImages)
ON_COMMAND(ID_INSTALL_COMPONENT, OnInstallComponent)
ON_COMMAND(ID_INSERT_COMPONENT, OnInsertComponent)
ON_COMMAND(ID_NEW_SITE, OnNewSite)
ON_COMMAND(ID_EDIT_SITE, OnEditSite)
ON_COMMAND(ID_NEW_SECTION, OnNewSection)
ON_COMMAND(ID_EDIT_SECTION, OnEditSection)
ON_COMMAND(ID_OPTIONS, OnOptions)
END_MESSAGE_MAP()

namespace {

// What a New command needs selected before it makes anything.
enum class Needs { nothing, site, siteAndSection };

// One New command: its id, what it needs, the kind it makes, the tab the new editor shows
// (its properties view; -1 keeps the first tab) and the kind's document template.
struct NewCommand {
    UINT id;
    Needs needs;
    SHORT type;
    int tab;
    UINT templateId;
};

constexpr NewCommand kNewCommands[] = {
    {ID_FILE_NEW, Needs::siteAndSection, OBJ_PAGE, 2, 129},
    {ID_NEW_MACRO, Needs::site, OBJ_MACRO, 1, 132},
    {ID_NEW_IMAGE, Needs::siteAndSection, OBJ_IMAGE, -1, 135},
    {ID_NEW_PHOTO, Needs::siteAndSection, OBJ_PHOTO, -1, 162},
    {ID_NEW_FORM, Needs::site, OBJ_FORM, 2, 161},
    {ID_NEW_EMAIL, Needs::site, OBJ_MESSAGE, 1, 160},
    {ID_NEW_QUERY, Needs::site, OBJ_QUERY, -1, 137},
    {ID_NEW_STYLE, Needs::site, OBJ_STYLE, -1, 163},
    {ID_NEW_ACTIVEX, Needs::nothing, OBJ_ACTIVEX, -1, 165},
    {ID_NEW_MULTIMEDIA, Needs::nothing, OBJ_MEDIA, -1, 167},
    {ID_NEW_JAVA, Needs::nothing, OBJ_JAVA, -1, 166},
    {ID_NEW_SCRIPT, Needs::nothing, OBJ_SCRIPT, 1, 164},
    {ID_NEW_EVENT, Needs::nothing, OBJ_EVENT, 1, 168},
    {ID_NEW_ADVERTISER, Needs::nothing, OBJ_ADVERTISER, -1, 169},
    {ID_NEW_AD, Needs::nothing, OBJ_AD, -1, 233},
    {ID_NEW_ADSPACE, Needs::nothing, OBJ_ADSPACE, -1, 234},
};

const NewCommand* NewCommandOfTemplate(UINT templateId) {
    for (const NewCommand& command : kNewCommands) {
        if (command.templateId == templateId)
            return &command;
    }
    return nullptr;
}

const NewCommand* NewCommandOf(UINT nID) {
    for (const NewCommand& command : kNewCommands) {
        if (command.id == nID)
            return &command;
    }
    return nullptr;
}

// The kinds that open by key: every kind with an editor but the photo.
constexpr SHORT kOpenedByKey[] = {OBJ_PAGE,    OBJ_MACRO, OBJ_FORM,       OBJ_QUERY, OBJ_IMAGE,
                                  OBJ_MESSAGE, OBJ_STYLE, OBJ_ACTIVEX,    OBJ_JAVA,  OBJ_SCRIPT,
                                  OBJ_MEDIA,   OBJ_EVENT, OBJ_ADVERTISER, OBJ_AD,    OBJ_ADSPACE};

BOOL OpensByKey(SHORT type) {
    return std::find(std::begin(kOpenedByKey), std::end(kOpenedByKey), type) !=
           std::end(kOpenedByKey);
}

} // namespace

BOOL CVantrel3App::OpenObject(SHORT type, const QZKeyCombo& key) {
    QZEditorServices* editors = GetEditorServices();
    return editors && OpensByKey(type) && editors->OpenObject(type, key);
}

BOOL CVantrel3App::ActivateOpenDocument(const QZKeyCombo& key, SHORT type) {
    QZEditorServices* editors = GetEditorServices();
    return editors && editors->ActivateOpenDocument(key, type);
}

void CVantrel3App::InsertTextInActiveEditor(const CString& text) {
    if (QZEditorServices* editors = GetEditorServices())
        editors->InsertTextInActiveEditor(text);
}

int CVantrel3App::CountOpenDocuments() const {
    return AfxGetDocManager().GetOpenDocumentCount();
}

void CVantrel3App::OnFileOpen() {
    auto* frame = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
    if (!frame || !frame->OpenSelectedObject())
        AfxMessageBox("There is nothing selected to open", MB_OK);
}

void CVantrel3App::OnNewObject(UINT nID) {
    const NewCommand* command = NewCommandOf(nID);
    if (!command)
        return;
    // The site is asked for first, then the section.
    if (command->needs != Needs::nothing && m_SelectedService.m_KeyID == 0) {
        AfxMessageBox("No Service selected", MB_OK);
        return;
    }
    if (command->needs == Needs::siteAndSection && m_SelectedSection.m_KeyID == 0) {
        AfxMessageBox("No Section selected", MB_OK);
        return;
    }
    if (QZEditorServices* editors = GetEditorServices())
        editors->OpenNewObject(command->type, command->tab);
}

void CVantrel3App::OnFileNewKind() {
    // The registered kinds with a document name and a New command, in the templates' order.
    std::vector<CString> names;
    std::vector<UINT> commands;
    for (CDocTemplate* docTemplate : AfxGetDocManager().GetTemplates()) {
        CString name;
        const NewCommand* command = NewCommandOfTemplate(docTemplate->GetResourceId());
        if (command && docTemplate->GetDocString(name, CDocTemplate::docName) && !name.IsEmpty()) {
            names.push_back(name);
            commands.push_back(command->id);
        }
    }
    if (commands.empty())
        return;
    // One kind needs no choosing.
    size_t chosen = 0;
    if (commands.size() > 1) {
        QZNewTypeDlg dialog(names, m_pMainWnd);
        if (dialog.DoModal() != IDOK || dialog.GetChosen() < 0)
            return;
        chosen = static_cast<size_t>(dialog.GetChosen());
    }
    OnNewObject(commands[chosen]);
}

void CVantrel3App::OnUpdateNewAd(CCmdUI* pCmdUI) {
    BOOL any = FALSE;
    try {
        const QZNameAndKeyListPtr advertisers(
            LoadListAllAdvertisersByService(m_SelectedService, FALSE));
        any = advertisers && !advertisers->IsEmpty();
    } catch (CDaoException* e) {
        // With no list to be read there is no advertiser to place an ad for.
        CaughtDaoError error(e);
    }
    pCmdUI->Enable(any);
}

void CVantrel3App::OnSaveAll() {
    if (QZEditorServices* editors = GetEditorServices())
        editors->SaveAll();
}

void CVantrel3App::OnUpdateAlwaysDisabled(CCmdUI* pCmdUI) {
    pCmdUI->Enable(FALSE);
}

void CVantrel3App::OnGeneratePages() {
    SiteMenuGeneratePages(m_pMainWnd);
}

void CVantrel3App::OnPublishObjects() {
    SiteMenuPublishObjects(m_pMainWnd);
}

void CVantrel3App::OnImportSite() {
    SiteMenuImportSite(m_pMainWnd);
}

void CVantrel3App::OnImportImages() {
    SiteMenuImportImages(m_pMainWnd);
}

void CVantrel3App::OnInstallComponent() {
    SiteMenuInstallComponent(m_pMainWnd);
}

void CVantrel3App::OnInsertComponent() {
    SiteMenuInsertComponent(m_pMainWnd);
}

void CVantrel3App::OnNewSite() {
    SiteAdminNewSite(m_pMainWnd);
}

void CVantrel3App::OnEditSite() {
    SiteAdminEditSite(m_pMainWnd);
}

void CVantrel3App::OnNewSection() {
    SiteAdminNewSection(m_pMainWnd);
}

void CVantrel3App::OnEditSection() {
    SiteAdminEditSection(m_pMainWnd);
}

void CVantrel3App::OnOptions() {
    SiteAdminOptions(m_pMainWnd);
}
