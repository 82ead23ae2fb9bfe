#pragma once
// The expression context of the query and execquery commands. It keeps the field values of
// the query's current row, fetched on first use and forgotten at every row change, and is the
// enclosing query of everything made inside the query.

#include "platform/core/COleVariant.h"
#include "template/expressions/QZExprContext.h"

class QZQueryRowSource;

class QZQueryExprContext : public QZExprContext {
public:
    explicit QZQueryExprContext(QZVantrelContext* parent);
    ~QZQueryExprContext() override;

    // The value of a field of the current row by its name in brackets ("[title]"): the cached
    // value, or the row's, which is then cached.
    COleVariant GetFieldValue(const CString& name);
    // Forgets the cached field values of the row, but not "[rowcount]" and "[rownumber]".
    void ClearRowFields();

    // The running query whose current row the fields are read from.
    void SetQuery(QZQueryRowSource* query) { m_pQuery = query; }
    QZQueryRowSource* GetQuery() const { return m_pQuery; }

private:
    std::unique_ptr<SymbolTable> m_pFields;
    QZQueryRowSource* m_pQuery = nullptr;
};
