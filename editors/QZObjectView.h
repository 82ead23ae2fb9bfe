#pragma once
// What the editors ask of the views in an editor's tabs: storing their fields into the content
// object (FALSE refuses and keeps the tab), filling themselves from it, and for the text views
// their text. A view that is none of these leaves every operation at its default.

#include "platform/core/CString.h"

class QZVantrelTemplate;

class QZObjectView {
public:
    virtual ~QZObjectView() = default;

    // The view's fields into the content object; FALSE when a field breaks its limit (the view
    // has said so).
    virtual BOOL SaveToObject() { return TRUE; }
    // The view's members and controls from the content object.
    virtual void LoadFromObject() {}
    // TRUE for a text editor view: its text is stored at every save, and leaving its tab never
    // fails.
    virtual BOOL IsTextView() const { return FALSE; }
    // A text view's text into the object (null when the kind has no template text).
    virtual void StoreText(QZVantrelTemplate*) {}
    // Inserts text at the caret of a text view.
    virtual void InsertText(const CString&) {}
    // The preview pane shows the address (nothing for an empty one).
    virtual void Navigate(const CString&) {}
};
