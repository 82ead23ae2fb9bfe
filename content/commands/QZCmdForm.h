#pragma once
// <<form key, onsubmit="...">>: places a stored form in the page: an HTML form that posts to
// the server-side interpreter, a hidden field naming the form's key, and, inside, the form's
// own template text run in place. The form object is built for each run and freed after it.

#include "db/QZKeyCombo.h"
#include "template/commands/QZCmdFunction.h"

#include <memory>

class QZSymbol;
class QZVantrelForm;

class QZCmdForm : public QZCmdFunction {
    DECLARE_DYNAMIC(QZCmdForm)
public:
    QZCmdForm(QZVantrelContext* context, const CString& arguments);
    ~QZCmdForm() override;

    static CString GetSkeleton() {
        return "<<form :???"
               ">>";
    }

    void WriteSource(CString& text) override;
    // Writes the form, runs its text inside it and records it as a dependency of the page.
    void Execute() override;
    // The form property dialog: the new command text on OK, empty on Cancel.
    CString EditProperties() override;
    // Evaluates the parameters and builds the form object of the key; TRUE when one stands
    // ready. Reports a missing or unknown key.
    virtual BOOL CheckParameters();

    const QZKeyCombo& GetFormKey() const { return m_formKey; }
    void SetFormKey(const QZKeyCombo& key) { m_formKey = key; }
    // The parameter text after the key, as the property dialog edits it.
    const CString& GetRest() const { return m_rest; }
    void SetRest(const CString& rest) { m_rest = rest; }
    const CString& GetOnSubmit() const { return m_onSubmit; }

private:
    // Where the form posts: the secure directories of the page's section, if it asks for
    // them, then the interpreter's path and name.
    CString ActionPath() const;

    CString m_onSubmit;
    std::unique_ptr<QZVantrelForm> m_pForm;
    QZSymbol* m_pKeyEntry = nullptr;
    QZKeyCombo m_formKey;
    CString m_rest;
};
