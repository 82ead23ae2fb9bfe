#pragma once
// Save As of a content object: the Save As dialog on a copy-to-be of the object, and, on OK
// only, the copy itself: a new row of the object's kind holding the object's record, with the
// title, site, section and file name the user settled, marked for publishing (a page for
// generation). A cancelled Save As adds no row. The object itself is left as it is: the editor
// that called keeps it on Cancel, and on OK deletes it (releasing its claim) and saves the copy.

#include "content/QZVantrelBase.h"

class CWnd;
class QZSaveAsDlg;

class QZSaveAsCopy {
public:
    // The kinds Save As copies: every kind an editor saves but the photo.
    static BOOL CanCopy(SHORT objectType);
    // Shows the Save As dialog for a copy of `current`, titled "Copy of " and the name when the
    // object's name still equals `savedName` (the name its row holds: the user did not rename
    // it). The new copy, owned by the caller, after OK; null after Cancel, for a kind that is
    // not copied and when no row could be added. Engine errors pass on.
    static QZVantrelBase* Run(QZVantrelBase& current, const CString& savedName, BOOL hasSection,
                              CWnd* pParent = nullptr);
    // The copy of `current` with the values of a dialog closed with OK.
    static QZVantrelBase* MakeCopy(QZVantrelBase& current, const QZSaveAsDlg& settled);
};
