#pragma once
// The group block, <<group expr>> ... <</group>>: stands inside the rows of a query and runs
// its body only when the grouping value differs from the one of the row before, which gives a
// heading at each change of a sorted column.

#include "platform/core/COleVariant.h"
#include "template/commands/QZCommandBase.h"

#include <memory>

class QZCmdGroupFld : public QZCommandBase {
    DECLARE_DYNAMIC(QZCmdGroupFld)
public:
    QZCmdGroupFld(QZVantrelContext* context, const CString& arguments);
    ~QZCmdGroupFld() override;

    void WriteSource(CString& text) override;
    void Execute() override;
    void ExecuteAction() override { Execute(); }
    QZVantrelStmtContext* GetSection(Section section) override;

private:
    // The value compared between rows: a variant of the same type and value, Null for a Null
    // value, empty for a type that has no variant form.
    static COleVariant GroupingValue(QZSymbol* entry);
    // TRUE on the first row of the enclosing query, where the query has started again.
    BOOL OnFirstRow() const;

    COleVariant m_lastValue;
    std::unique_ptr<QZVantrelStmtContext> m_pBody;
};
