#pragma once
// The view of an editor tab whose own view is not built yet: it stands in for a view class by
// name and shows the tab's caption, so that every kind of object opens, edits and saves.

#include "platform/ui/CView.h"

class QZPlaceholderView : public CView {
    DECLARE_DYNCREATE(QZPlaceholderView)
public:
    QZPlaceholderView() = default;

    void StandIn(const char* viewClass, const CString& caption);
    const CString& GetViewClass() const { return m_strViewClass; }
    const CString& GetCaption() const { return m_strCaption; }
    void OnDraw(CDC* pDC) override;

private:
    CString m_strViewClass;
    CString m_strCaption;
};

// TRUE when the window is a view of the named class (or derived from it), or the stand-in for
// one.
BOOL IsEditorViewOf(const CWnd* pWnd, const char* viewClass);
