// The application's help entry, the help menu's commands and the About box.

#include "platform/ui/CommandIds.h"
#include "res/Resource.h"
#include "shell/CAboutDlg.h"
#include "shell/CVantrel3App.h"
#include "shell/QZFrameServices.h"

namespace {

constexpr UINT kHelpIndexTopic = 1;

BOOL IsHelpMenuCommand(UINT nCmd) {
    return nCmd == ID_HELP_QUICK_START || nCmd == ID_HELP_TUTORIAL ||
           nCmd == ID_HELP_COMMAND_REFERENCE || nCmd == ID_HELP_CHECK_UPDATES;
}

// A window's context help id is its control id.
UINT ContextHelpId(const CWnd* pWnd) {
    return pWnd ? LOWORD(static_cast<UINT_PTR>(pWnd->GetDlgCtrlID())) : 0;
}

} // namespace

UINT CVantrel3App::HelpTopicFor(UINT_PTR dwData, UINT nCmd) {
    if (nCmd == HELP_FINDER)
        return kHelpIndexTopic;
    if (IsHelpMenuCommand(nCmd))
        return nCmd;
    const CWnd* focus = CWnd::GetFocus();
    if (UINT topic = ContextHelpId(focus))
        return topic;
    if (UINT topic = ContextHelpId(focus ? focus->GetParent() : nullptr))
        return topic;
    return LOWORD(dwData);
}

void CVantrel3App::WinHelp(UINT_PTR dwData, UINT nCmd) {
    const UINT topic = HelpTopicFor(dwData, nCmd);
    if (topic == 0)
        return;
    if (QZFrameServices* services = GetFrameServices())
        services->ShowHelpTopic(topic);
}

void CVantrel3App::OnHelpQuickStart() {
    WinHelp(ID_HELP_QUICK_START, ID_HELP_QUICK_START);
}

void CVantrel3App::OnHelpTutorial() {
    WinHelp(ID_HELP_TUTORIAL, ID_HELP_TUTORIAL);
}

void CVantrel3App::OnHelpCommandReference() {
    WinHelp(ID_HELP_COMMAND_REFERENCE, ID_HELP_COMMAND_REFERENCE);
}

void CVantrel3App::OnHelpCheckForUpdates() {
    WinHelp(ID_HELP_CHECK_UPDATES, ID_HELP_CHECK_UPDATES);
}

void CVantrel3App::OnHelpFinder() {
    WinHelp(0, HELP_FINDER);
}

void CVantrel3App::OnHelp() {
    WinHelp(0, HELP_CONTEXT);
}

void CVantrel3App::OnAppAbout() {
    CAboutDlg about;
    about.DoModal();
}
