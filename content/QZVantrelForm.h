#pragma once
// A form (table Forms): the template text that writes the fields of an HTML form into the page
// that shows it, and the action text that runs when the browser posts the form. A form built
// while a page is generated writes into that page; one built with a calling context but no
// page is its own generated object and runs the action operations of its commands; one built
// alone runs their generation operations and writes nowhere.

#include "content/QZVantrelTemplate.h"
#include "db/CFormsSet.h"

#include <memory>

class QZVantrelForm : public QZVantrelTemplate {
    DECLARE_DYNAMIC(QZVantrelForm)
public:
    // With bOpen, the row with a claim (a read-only copy when another user holds it); without,
    // the row from the forms cache. `parent` is the context of the text that uses the form.
    QZVantrelForm(const QZKeyCombo& key, BOOL bOpen, QZVantrelContext* parent = nullptr);
    // A new row, claimed, in the application's current service.
    QZVantrelForm();
    ~QZVantrelForm() override;
    QZVantrelForm& operator=(const QZVantrelForm& other);

    // Normalises both texts (parsed and written back), then stamps and rewrites the row.
    int Save() override;
    // Runs the action text with the built-in variables Date, Time, Webmaster and lastchanged,
    // between "Compiling" and "Done" progress lines. 1.
    virtual int RunAction();

    // The action text, and storing a new one (parsed with the action context).
    CString& GetActionBody();
    void SetActionBody(const CString& text);

    // The colour spans that the action context makes of a text (the "Action" view's).
    QZVantrelMemoFld::ColorSpanList GetActionColorSpans(const CString& text);
    QZVantrelMemoFld* GetActionContext() const { return m_pActionContext.get(); }
    // Set once a returnpage command has answered the request of this run.
    BOOL HasReturnedPage() const { return m_bReturnedPage; }
    void SetReturnedPage(BOOL returned) { m_bReturnedPage = returned; }

    // The context the form runs on behalf of: the one given at construction.
    QZVantrelContext* GetCallingContext() const override { return m_pParentContext; }
    // The action context while it parses (its commands take their lines from it), else the
    // generation context.
    QZVantrelMemoFld* GetParser() const override;

    CFormsSet* GetRecordset() const { return RowAs<CFormsSet>(); }

private:
    void BindFormColumns(CFormsSet& set);
    // A context of the form's own for one of its texts: it writes for the form unless it took
    // over a generated page from the calling context.
    std::unique_ptr<QZVantrelMemoFld> MakeActionContext();
    void ParseAction(const CString& text);

    CString* m_pActionBody = nullptr;
    std::unique_ptr<QZVantrelMemoFld> m_pActionContext;
    BOOL m_bReturnedPage = FALSE;
    BOOL m_bParsingAction = FALSE;
};
