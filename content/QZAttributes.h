#pragma once
// A style: a named set of page colours and a background image (table Styles). The colours are
// six hexadecimal digits without the leading "#".

#include "content/QZVantrelBase.h"
#include "db/CStylesSet.h"

class QZAttributes : public QZVantrelBase {
    DECLARE_DYNAMIC(QZAttributes)
public:
    // The row opened by key, with a claim as bOpen asks (a read-only copy when another user
    // holds it). Styles have no cache.
    QZAttributes(const QZKeyCombo& key, BOOL bOpen);
    // A new row, claimed, with the new style's colours, in the application's current service.
    QZAttributes();
    // Gives up the claim; changes not saved are not written.
    ~QZAttributes() override;
    QZAttributes& operator=(const QZAttributes& other);

    CString GetBackColor() const { return GetRecordset()->m_BackColor; }
    CString GetTextColor() const { return GetRecordset()->m_TextColor; }
    CString GetLinkColor() const { return GetRecordset()->m_LinkColor; }
    CString GetUsedLinkColor() const { return GetRecordset()->m_UsedLinkColor; }
    CString GetActiveLinkColor() const { return GetRecordset()->m_ActiveLinkColor; }
    void SetBackColor(const CString& color) { GetRecordset()->m_BackColor = color; }
    void SetTextColor(const CString& color) { GetRecordset()->m_TextColor = color; }
    void SetLinkColor(const CString& color) { GetRecordset()->m_LinkColor = color; }
    void SetUsedLinkColor(const CString& color) { GetRecordset()->m_UsedLinkColor = color; }
    void SetActiveLinkColor(const CString& color) { GetRecordset()->m_ActiveLinkColor = color; }
    void SetStyleName(const CString& name) { GetRecordset()->m_StyleName = name; }

    // The row; the background image key is read and written there.
    CStylesSet* GetRecordset() const { return RowAs<CStylesSet>(); }

private:
    // The style's key is its own (DbID, StyleID).
    void BindOwnKeyAsStyleKey();
};
