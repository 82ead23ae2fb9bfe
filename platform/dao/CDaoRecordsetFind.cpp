// Finding a row of a recordset by the values of some of its fields.

#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CDaoRecordset.h"
#include "platform/dao/DaoConnection.h"
#include "platform/dao/DaoConvert.h"
#include "platform/dao/DaoDdl.h"
#include "platform/dao/DaoErrors.h"
#include "platform/dao/DaoRecordsetState.h"
#include "platform/dao/DaoStatement.h"

namespace {

// The value as its field stores it; Null when it is Null or no value of the field's type.
DaoValue BoundValue(const COleVariant& value, const DaoResultColumn& column) {
    try {
        return DaoConvert::FromVariant(value, column.hasSchema ? column.schema.type : 0);
    } catch (CDaoException* e) {
        e->Delete();
        return DaoValue();
    }
}

} // namespace

// The rows are looked up in the table by one parameterised statement, so no value is ever
// read as SQL; the cursor then moves to the first of them in its own order.
BOOL CDaoRecordset::FindFirstEqual(
    const std::vector<std::pair<CString, COleVariant>>& fieldValues) {
    RequireOpen();
    DaoRecordsetState& state = *m_state;
    DaoCursor& cursor = *state.cursor;
    if (!cursor.IsKeyed() || fieldValues.empty())
        CDaoException::Throw(daoErrInvalidOperation,
                             "Rows are found by field values only in a dynaset or table over "
                             "one table, with at least one field.",
                             "DAO.Recordset");
    std::string sql = "SELECT rowid FROM " + DaoDdl::QuoteName(cursor.table()) + " WHERE ";
    std::vector<DaoValue> values;
    for (const auto& [name, value] : fieldValues) {
        const DaoResultColumn& column = cursor.Column(ColumnIndex(name));
        DaoValue bound = BoundValue(value, column);
        if (bound.IsNull())
            return FALSE;
        sql += (values.empty() ? "" : " AND ") + DaoDdl::QuoteName(column.originColumn) + " = ?" +
               std::to_string(values.size() + 1);
        values.push_back(std::move(bound));
    }
    std::vector<int64_t> rowids;
    {
        DaoStatement statement(state.database->Connection(), sql);
        for (size_t i = 0; i < values.size(); ++i)
            statement.Bind(static_cast<int>(i + 1), values[i]);
        while (statement.Step())
            rowids.push_back(statement.ColumnInteger(0));
    }
    DiscardPending();
    if (!cursor.MoveToFirstOf(rowids) || !cursor.HasCurrent())
        return FALSE;
    LoadMembers();
    return TRUE;
}
