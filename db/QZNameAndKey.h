#pragma once
// One item of an object list that a tree, list or combo box shows: the object's title, its key
// and the text shown for it, "Title  (:12)".

#include "db/QZKeyCombo.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"

class QZNameAndKey : public CObject {
public:
    QZNameAndKey(LPCTSTR name, const QZKeyCombo& key);
    QZNameAndKey(LPCTSTR name, LONG dbId, LONG keyId, SHORT objectType);
    ~QZNameAndKey() override;

    // Replaces the name and builds the display text again.
    void SetName(LPCTSTR name);
    // name + "  (" + the key's short text + ")".
    void BuildDisplayText();

    CString m_Name;
    QZKeyCombo m_Key;
    CString m_DisplayText;
};
