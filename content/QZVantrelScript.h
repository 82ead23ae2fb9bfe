#pragma once
// A script (table MQ_Script): template text that a page's script command writes into the page
// as the content of a script element, inside an HTML comment, with the script's Language and
// Type as the element's attributes. Its text runs for the page that uses it. Scripts are never
// cached: every load opens a recordset of its own.

#include "content/QZVantrelTemplate.h"
#include "db/CScriptSet.h"

class QZVantrelScript : public QZVantrelTemplate {
    DECLARE_DYNAMIC(QZVantrelScript)
public:
    // With bOpen, the row with a claim (a read-only copy when another user holds it); without,
    // the row without a claim.
    QZVantrelScript(const QZKeyCombo& key, BOOL bOpen, QZVantrelContext* parent = nullptr);
    // A new row, claimed, in the application's current service and section.
    QZVantrelScript();
    ~QZVantrelScript() override;
    QZVantrelScript& operator=(const QZVantrelScript& other);

    // Runs "<!--", the text and "\r\n//-->" as one template text into the current output,
    // between "Compiling" and "Done".
    int Compile() override;
    // Only stores the text.
    void SetText(const CString& text) override;
    // A script has no file of its own.
    CString GetFileName() const override { return CString(); }
    // Scripts have no parameter list: always empty.
    CString& GetParametersExpected() override { return m_noParameters; }

    CString GetLanguage() const { return GetRecordset()->m_Language; }
    CString GetType() const { return GetRecordset()->m_Type; }

    CScriptSet* GetRecordset() const { return RowAs<CScriptSet>(); }

private:
    CString m_noParameters;
};
