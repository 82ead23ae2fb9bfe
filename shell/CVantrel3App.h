#pragma once
// The one application object: it owns the site database for the whole run, the key of the
// logged-in user, the selected service and section, the settings and the preference flags; it
// starts the program (InitInstance) and ends it (ExitInstance), and answers the lower layers
// through QZApplication.

#include "db/CVantrelDb.h"
#include "db/QZApplication.h"
#include "db/QZKeyCombo.h"
#include "platform/ui/CWinApp.h"
#include "shell/QZEditorColors.h"
#include "shell/QZOptionFlags.h"

class CCmdUI;
class CDocTemplate;
class SECRegistry;
class QZStartupWindows;

class CVantrel3App : public CWinApp, public QZApplication {
public:
    // Builds the site database object on its default path and makes this the current
    // application object; one at a time.
    CVantrel3App();
    ~CVantrel3App() override;

    // Start-up and shut-down.
    BOOL InitInstance() override;
    int ExitInstance() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // 0 when another copy runs (it was asked to come to the front), 1 otherwise.
    BOOL FindRunningInstance();
    // 1 when a site database is open, 0 when the user gave up.
    BOOL ChooseDatabase(SECRegistry* registry);
    // 1 when start-up may go on, 0 when it must end.
    BOOL CheckDatabaseVersion();
    BOOL LoginUser(const QZKeyCombo& user);
    void LogoutUser();
    // Opens the site database at `path` in place of the open one and logs the user in to it;
    // the settings name it. When it cannot be opened or its version is refused, the one before
    // is opened again (and named again) and the answer is FALSE.
    BOOL SwitchDatabase(const CString& path);
    // Makes `user` the current user: the current-users row moves from the old user to it,
    // while the claims of the open editors stay as they are.
    void ChangeUser(const QZKeyCombo& user);

    // The settings (all under the key of string 1004). Reading leaves what cannot be read at
    // its default; writing writes every value that start-up reads.
    void ReadLocationSettings(SECRegistry& registry);
    void ReadOptionCodes(SECRegistry& registry);
    void ReadEditorColors(SECRegistry& registry);
    void WriteSettings(SECRegistry& registry);
    void UnpackOptionCodes(DWORD codes);
    DWORD PackOptionCodes();

    // The window system's parts of start-up (not owned); the program's own when none is set.
    void SetStartupWindows(QZStartupWindows* windows) { m_pWindows = windows; }
    // The log-in name: the account's name, else $USER, else "User".
    static CString GetLoginName();
    // "SetupMarquillDir" when missing: the folder of the program's executable.
    static CString GetExecutableDirectory();

    // Empties the output pane's log.
    void ClearEngineMessages();

    // Help: the framework's help entry (HELP_FINDER gives the help index, the help menu's ids
    // their own topic, anything else the context help id of the focused window, of its parent,
    // or of dwData), shown by the main frame in the help viewer; topic 0 shows nothing.
    void WinHelp(UINT_PTR dwData, UINT nCmd = HELP_CONTEXT) override;
    static UINT HelpTopicFor(UINT_PTR dwData, UINT nCmd);
    // The help menu's commands, the help index, F1, and the About box.
    void OnHelpQuickStart();
    void OnHelpTutorial();
    void OnHelpCommandReference();
    void OnHelpCheckForUpdates();
    void OnHelpFinder();
    void OnHelp();
    void OnAppAbout();
    // The object editors, reached through the editor services. OpenObject activates the
    // object's open editor or opens one (the kinds with an editor but the photo; FALSE when
    // none is open afterwards); ActivateOpenDocument is TRUE when an open editor of the object
    // was activated.
    BOOL OpenObject(SHORT type, const QZKeyCombo& key);
    BOOL ActivateOpenDocument(const QZKeyCombo& key, SHORT type);
    // Inserts text at the caret of the active editor's text view; nothing for another view.
    void InsertTextInActiveEditor(const CString& text);
    // The open documents of every template.
    int CountOpenDocuments() const;

    CVantrelDb& GetVantrelDb() override { return m_VantrelDb; }
    LONG GetDbID() override;
    QZKeyCombo& GetUserKey() override { return m_UserKey; }
    QZKeyCombo& GetCurrentServiceKey() override { return m_SelectedService; }
    QZKeyCombo& GetCurrentSectionKey() override { return m_SelectedSection; }
    const CString& GetCGIAppRelPath() override { return m_strCGIAppRelPath; }
    BOOL IsVerboseMessages() override { return m_bVerboseMessages; }
    void PostEngineMessage(QZEngineMessage* message) override;
    const CString& GetVantrelRoot() override { return m_strVantrelRoot; }
    // The component root set last; when none is set, the installation's default folder.
    CString GetDatabaseRoot() override;
    void SetDatabaseRoot(const CString& root) { m_strDatabaseRoot = root; }

    CVantrelDb m_VantrelDb;
    BOOL m_bConfirmDeletes = TRUE;
    BOOL m_bConfirmSave = TRUE;
    BOOL m_bAddComments = TRUE;
    BOOL m_bWorkBookMode = TRUE;
    BOOL m_bVerboseMessages = FALSE;
    BOOL m_bSpareOption = FALSE;
    BOOL m_bOlderDatabase = FALSE;
    BOOL m_bCommandLineGiven = FALSE;
    BOOL m_bCGIBINMode = TRUE;
    BOOL m_bHelpRemote = FALSE;
    CString m_strCGIAppRelPath = "/CGI-BIN/";
    CString m_strProgramDirectory;
    CString m_strDatabasePath;
    CString m_strDatabaseRoot;
    CString m_strVantrelRoot;
    CString m_strDatabaseVersion;
    QZKeyCombo m_SelectedService;
    QZKeyCombo m_SelectedSection;
    // The sixteen document templates, in the order of the kinds; filled by the registrar.
    CDocTemplate* m_pTemplates[16] = {};
    LONG m_lDbID = 0;
    QZKeyCombo m_UserKey;
    DWORD m_dwOptionCodes = 0;
    // The splash flag of the command line (--no-splash turns it off).
    BOOL m_bShowSplash = TRUE;
    // Set once start-up has read every setting: only then are they written back at exit.
    BOOL m_bSettingsRead = FALSE;

private:
    QZKeyCombo ReadUserKey(SECRegistry* registry);
    // The user of the open database as start-up finds it: the stored one when that database
    // has it, else the author with the log-in name, made when there is none.
    QZKeyCombo FindStartupUser(SECRegistry* registry);
    // Opens the database at the path set, as start-up does; FALSE when it cannot be opened or
    // its version is refused.
    BOOL OpenSwitchedDatabase(SECRegistry* registry);
    void ReadSelection(SECRegistry* registry);
    BOOL OpenChosenDatabase();
    BOOL OfferUpdate(const CString& text);
    BOOL ReopenUpdatedDatabase();
    QZStartupWindows& Windows();

    QZStartupWindows* m_pWindows = nullptr;
    BOOL m_bInstanceRegistered = FALSE;

protected:
    // Open (57601): the object selected in the Site Viewer.
    void OnFileOpen();
    // The New commands, one table row each: preconditions, the kind and its landing tab.
    void OnNewObject(UINT nID);
    // The framework's New (32818): the kinds by their document names; the one chosen runs its
    // New command.
    void OnFileNewKind();
    // New Ad is enabled while the selected site has an advertiser.
    void OnUpdateNewAd(CCmdUI* pCmdUI);
    void OnSaveAll();
    // Command 32894, never enabled.
    void OnUpdateAlwaysDisabled(CCmdUI* pCmdUI);
    // The Site menu's run, import and component dialogs, over the main window.
    void OnGeneratePages();
    void OnPublishObjects();
    void OnImportSite();
    void OnImportImages();
    void OnInstallComponent();
    void OnInsertComponent();
    // The site and section settings, the New Site wizard and the preferences.
    void OnNewSite();
    void OnEditSite();
    void OnNewSection();
    void OnEditSection();
    void OnOptions();

    DECLARE_MESSAGE_MAP()
};

// The program-wide values beside the application object.
extern BOOL g_bUseWizards;
extern BOOL g_bAlwaysPrompt;
extern QZEditorColors g_EditorColors;
// The class name of the main window ("ZerinMarquillClass"), kept for what names it.
extern const char* const g_szMainWindowClass;

// The application object (the running one, or the one under test).
CVantrel3App* GetVantrel3App();

// Step 18's registration of the document templates: the editors fill it in; none is a no-op.
using DocTemplateRegistrar = void (*)(CVantrel3App& app);
void SetDocTemplateRegistrar(DocTemplateRegistrar registrar);
DocTemplateRegistrar GetDocTemplateRegistrar();
