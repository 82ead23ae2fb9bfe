#pragma once
// <<execquery key, name=value, ...>>: when a form or event is processed, runs the stored action
// query that a query object of the site names in its data database, its parameters taken from
// the variables of the same names; at page generation it only evaluates its parameters.

#include "db/QZKeyCombo.h"
#include "template/commands/QZCommandBase.h"

#include <memory>

class CActionSet;
class CVantrelDb;
class QZSymbol;

class QZCmdExecQuery : public QZCommandBase {
    DECLARE_DYNAMIC(QZCmdExecQuery)
public:
    QZCmdExecQuery(QZVantrelContext* context, const CString& arguments);
    ~QZCmdExecQuery() override;

    static CString GetSkeleton() {
        return "<<execquery :???"
               ">>";
    }

    void WriteSource(CString& text) override;
    // Evaluates the parameters only.
    void Execute() override;
    // Runs the action query; a query that cannot be opened, or any error on the way, is
    // reported with the key.
    void ExecuteAction() override;
    // Evaluates the parameters, takes the key and makes a new row-action set; FALSE, reported,
    // without a usable key.
    virtual BOOL CheckParameters();

    const QZKeyCombo& GetQueryKey() const { return m_queryKey; }

private:
    QZKeyCombo m_queryKey;
    CVantrelDb* m_pSiteDb = nullptr;
    std::unique_ptr<CActionSet> m_pActionSet;
    QZSymbol* m_pKeyEntry = nullptr;
};
