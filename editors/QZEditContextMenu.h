#pragma once
// The text editor's context menu (menu 153): Properties, Cut, Copy, Paste and the Insert menu.
// Before it shows, the command at the caret is selected, every item is enabled or greyed by
// the command route's update handlers, and Properties is greyed when no command was found;
// the chosen command goes to the control's owner, the view.

#include "platform/core/CRect.h"

class CWnd;
class QZRichEditLogic;

class QZEditContextMenu {
public:
    // Shows the menu at a screen point for the control `logic` runs, owned by `owner`.
    static void Show(QZRichEditLogic& logic, CWnd& owner, CPoint screenPoint);
};
