#pragma once
// The base of the row commands (addrow, addrows, delrow, editrow, editrows): their first
// parameter names a query object of the site, whose table or stored query the command's
// row-action set opens in the data database. The set belongs to the command.

#include "db/QZKeyCombo.h"
#include "template/commands/QZCmdFunction.h"

class CActionSet;
class CVantrelDb;

class QZCmdRowAction : public QZCmdFunction {
    DECLARE_DYNAMIC(QZCmdRowAction)
public:
    QZCmdRowAction(QZVantrelContext* context, const CString& arguments);
    // Deletes the row-action set.
    ~QZCmdRowAction() override;

    // Runs the action unless the page is being previewed.
    void Execute() override;
    void ExecuteAction() override = 0;
    // Evaluates the parameters, takes the query key and makes a new row-action set; FALSE,
    // reported, when there is no valid key or the set cannot be made.
    virtual BOOL CheckParameters();

    const QZKeyCombo& GetQueryKey() const { return m_queryKey; }
    CActionSet* GetActionSet() const { return m_pActionSet; }
    CVantrelDb* GetSiteDatabase() const { return m_pSiteDb; }

protected:
    // A new row-action set for this run.
    virtual CActionSet* MakeActionSet();

    QZKeyCombo m_queryKey;
    CActionSet* m_pActionSet = nullptr;
    CVantrelDb* m_pSiteDb = nullptr;
};
