#include "shell/CVantrel3App.h"

#include "content/QZEngineMessage.h"
#include "content/QZEngineMessageSink.h"
#include "platform/core/Paths.h"
#include "shell/QZOutputMessageSink.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

BOOL g_bUseWizards = TRUE;
BOOL g_bAlwaysPrompt = TRUE;
QZEditorColors g_EditorColors;
const char* const g_szMainWindowClass = "ZerinMarquillClass";

namespace {
// The kind of the detail lines that only the detailed-messages preference shows.
constexpr int kDetailKind = 3;
// The longest log-in name taken from the system.
constexpr int kMaxLoginName = 100;

DocTemplateRegistrar g_registrar = nullptr;

// The application objects alive, oldest first. The program has one; a test may build one while
// another lives on (a process-wide one of a fixture), and the newest is the current one until it
// goes, when the newest still alive takes its place rather than leaving none.
std::vector<CVantrel3App*>& LiveApps() {
    static std::vector<CVantrel3App*> apps;
    return apps;
}
} // namespace

CVantrel3App::CVantrel3App()
    : m_strProgramDirectory(MapWindowsPath("C:\\Marquill")),
      m_strDatabasePath(MapWindowsPath("C:\\Marquill\\mq.mdb")),
      m_strDatabaseRoot(MapWindowsPath("C:\\Marquill")),
      m_strVantrelRoot(MapWindowsPath("C:\\Marquill")), m_SelectedService(0, 0, OBJ_SERVICE),
      m_SelectedSection(0, 0, OBJ_SECTION) {
    LiveApps().push_back(this);
    SetVantrelApp(this);
}

CVantrel3App::~CVantrel3App() {
    std::vector<CVantrel3App*>& apps = LiveApps();
    std::erase(apps, this);
    if (GetVantrelApp() == this)
        SetVantrelApp(apps.empty() ? nullptr : apps.back());
}

CString CVantrel3App::GetDatabaseRoot() {
    return m_strDatabaseRoot.IsEmpty() ? MapWindowsPath("C:\\Marquill") : m_strDatabaseRoot;
}

LONG CVantrel3App::GetDbID() {
    return m_VantrelDb.GetDbId();
}

void CVantrel3App::PostEngineMessage(QZEngineMessage* message) {
    if (message == nullptr)
        return;
    if (!m_bVerboseMessages && message->GetKind() == kDetailKind) {
        delete message;
        return;
    }
    PostToEngineMessageSink(message);
}

void CVantrel3App::ClearEngineMessages() {
    // The log lives in the output pane; until the main frame has one there is nothing kept.
    ClearOutputMessages();
}

void CVantrel3App::UnpackOptionCodes(DWORD codes) {
    m_dwOptionCodes = codes;
    QZOptionFlags flags;
    flags.Unpack(codes);
    g_bUseWizards = flags.useWizards;
    m_bWorkBookMode = flags.workbookMode;
    m_bVerboseMessages = flags.verboseMessages;
    m_bSpareOption = flags.spareOption;
    g_bAlwaysPrompt = flags.alwaysPrompt;
    m_bConfirmDeletes = flags.confirmDeletes;
    m_bConfirmSave = flags.confirmSave;
    m_bHelpRemote = flags.helpRemote;
}

DWORD CVantrel3App::PackOptionCodes() {
    QZOptionFlags flags;
    flags.useWizards = g_bUseWizards;
    flags.workbookMode = m_bWorkBookMode;
    flags.verboseMessages = m_bVerboseMessages;
    flags.spareOption = m_bSpareOption;
    flags.alwaysPrompt = g_bAlwaysPrompt;
    flags.confirmDeletes = m_bConfirmDeletes;
    flags.confirmSave = m_bConfirmSave;
    flags.helpRemote = m_bHelpRemote;
    m_dwOptionCodes = flags.Pack();
    return m_dwOptionCodes;
}

CString CVantrel3App::GetLoginName() {
    CString name;
    if (const passwd* account = getpwuid(getuid()); account && account->pw_name)
        name = account->pw_name;
    if (name.IsEmpty())
        if (const char* user = std::getenv("USER"))
            name = user;
    if (name.IsEmpty())
        name = "User";
    return name.Left(kMaxLoginName);
}

CString CVantrel3App::GetExecutableDirectory() {
    return GetProgramDirectory();
}

CVantrel3App* GetVantrel3App() {
    return dynamic_cast<CVantrel3App*>(GetVantrelApp());
}

void SetDocTemplateRegistrar(DocTemplateRegistrar registrar) {
    g_registrar = registrar;
}

DocTemplateRegistrar GetDocTemplateRegistrar() {
    return g_registrar;
}
