#include "editors/QZEditContextMenu.h"

#include "editors/QZRichEditLogic.h"
#include "platform/ui/CCmdTarget.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/MainWnd.h"
#include "res/TextEditorIds.h"

namespace {

// The route the menu's items are asked along: the owning view (and its document) first, then
// the main window's route of frames and the application.
class ContextRoute : public CCmdTarget {
public:
    explicit ContextRoute(CWnd& owner) : m_owner(owner) {}

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override {
        if (m_owner.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
        CWnd* main = AfxGetMainWnd();
        return main && main != &m_owner && main->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }

private:
    CWnd& m_owner;
};

} // namespace

void QZEditContextMenu::Show(QZRichEditLogic& logic, CWnd& owner, CPoint screenPoint) {
    CMenu menu;
    if (!menu.LoadMenu(IDR_EDIT_CONTEXT))
        return;
    CMenu* popup = menu.GetSubMenu(0);
    if (!popup)
        return;
    const BOOL onCommand = logic.SelectCommandAtCaret(FALSE);
    ContextRoute route(owner);
    popup->UpdateCommandUI(&route);
    if (!onCommand)
        popup->EnableMenuItem(ID_EDIT_PROPERTIES, MF_BYCOMMAND | MF_GRAYED);
    popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, &owner);
}
