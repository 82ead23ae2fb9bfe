#pragma once
// <<returnpage key, name=value, ...>>: answers the request that a form or event processes with
// a stored page, run as a dynamic page into the current output after a content-type line; only
// the first in a run answers. At page generation it only evaluates its parameters.

#include "db/QZKeyCombo.h"
#include "template/commands/QZCmdFunction.h"

#include <memory>

class QZSymbol;
class QZVantrelPage;

class QZCmdReturn : public QZCmdFunction {
    DECLARE_DYNAMIC(QZCmdReturn)
public:
    QZCmdReturn(QZVantrelContext* context, const CString& arguments);
    ~QZCmdReturn() override;

    static CString GetSkeleton() {
        return "<<returnpage :???"
               ">>";
    }

    void WriteSource(CString& text) override;
    // Evaluates the parameters only.
    void Execute() override;
    // Returns the page unless the form or event has answered already in this run.
    void ExecuteAction() override;
    // The return property dialog: the new command text on OK, empty on Cancel.
    CString EditProperties() override;
    // Evaluates the parameters and builds the page of the key; TRUE when one stands ready.
    virtual BOOL CheckParameters();

    const QZKeyCombo& GetPageKey() const { return m_pageKey; }
    void SetPageKey(const QZKeyCombo& key) { m_pageKey = key; }

private:
    QZKeyCombo m_pageKey;
    std::unique_ptr<QZVantrelPage> m_pPage;
    QZSymbol* m_pKeyEntry = nullptr;
};
