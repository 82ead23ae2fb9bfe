#include "platform/dao/DaoCursor.h"

#include "platform/dao/CDaoException.h"
#include "platform/dao/DaoCatalog.h"
#include "platform/dao/DaoConnection.h"
#include "platform/dao/DaoDdl.h"
#include "platform/dao/DaoErrors.h"
#include "platform/dao/DaoSqlLexer.h"
#include "platform/dao/DaoStatement.h"
#include "platform/dao/DaoWriteScope.h"

#include <unordered_set>

namespace {

[[noreturn]] void NoCurrentRecord() {
    CDaoException::Throw(daoErrNoCurrentRecord,
                         "There is no current row: the recordset is empty or stands before its "
                         "first or after its last row.",
                         "DAO.Recordset");
}

[[noreturn]] void RowGone() {
    CDaoException::Throw(daoErrRecordDeleted, "The current row has been deleted.", "DAO.Recordset");
}

} // namespace

void DaoCursor::Shape(DaoConnection& connection, const DaoSqlPlan& plan) {
    if (plan.shaped)
        return;
    DaoStatement statement(connection, plan.sql);
    const DaoTableSchema* base =
        plan.baseTable.empty() ? nullptr : connection.loadedCatalog().FindTable(plan.baseTable);
    bool keyed = base != nullptr;
    std::vector<DaoResultColumn> columns;
    std::string fetchList;
    for (int i = 0; i < statement.ColumnCount(); ++i) {
        DaoResultColumn column;
        column.name = statement.ColumnName(i);
        column.originColumn = statement.ColumnOrigin(i);
        std::string originTable = statement.ColumnTable(i);
        const DaoTableSchema* table = connection.loadedCatalog().FindTable(originTable);
        const DaoColumnSchema* schema = table ? table->FindColumn(column.originColumn) : nullptr;
        if (schema) {
            column.hasSchema = true;
            column.schema = *schema;
        }
        if (!base || !DaoNamesEqual(originTable, base->name) || !schema)
            keyed = false;
        fetchList += (fetchList.empty() ? "" : ", ") + DaoDdl::QuoteName(column.originColumn);
        columns.push_back(std::move(column));
    }
    size_t listStart = keyed ? DaoSqlLexer::SelectListStart(plan.sql) : std::string::npos;
    if (listStart == std::string::npos || columns.empty())
        keyed = false;
    plan.columns = std::move(columns);
    plan.keyed = keyed;
    if (keyed) {
        plan.keysetSql = plan.sql.substr(0, listStart) + " rowid," + plan.sql.substr(listStart);
        plan.fetchSql =
            "SELECT " + fetchList + " FROM " + DaoDdl::QuoteName(base->name) + " WHERE rowid = ?1";
    }
    plan.shaped = true;
}

DaoCursor::DaoCursor(DaoConnection& connection, std::shared_ptr<const DaoSqlPlan> plan, bool keyed,
                     bool appendOnly)
    : m_connection(connection), m_plan(std::move(plan)), m_keyed(keyed && m_plan->keyed),
      m_appendOnly(appendOnly && m_keyed) {}

int DaoCursor::FindColumn(std::string_view name) const {
    for (size_t i = 0; i < m_plan->columns.size(); ++i)
        if (DaoNamesEqual(m_plan->columns[i].name, name))
            return static_cast<int>(i);
    return -1;
}

void DaoCursor::Bind(DaoStatement& statement, const std::vector<DaoValue>& parameters) const {
    for (size_t i = 0; i < parameters.size(); ++i)
        statement.Bind(static_cast<int>(i + 1), parameters[i]);
}

void DaoCursor::Open(const std::vector<DaoValue>& parameters) {
    m_keys.clear();
    m_deleted.clear();
    m_rows.clear();
    m_row.assign(m_plan->columns.size(), DaoValue());
    m_position = -1;
    m_currentDeleted = false;
    if (m_appendOnly) {
        m_liveRows = 0;
        return;
    }
    const int columns = ColumnCount();
    DaoStatement statement(m_connection, m_keyed ? m_plan->keysetSql : m_plan->sql);
    Bind(statement, parameters);
    while (statement.Step()) {
        if (m_keyed) {
            m_keys.push_back(statement.ColumnInteger(0));
            if (m_keys.size() == 1)
                for (int i = 0; i < columns; ++i)
                    m_row[static_cast<size_t>(i)] = statement.Column(i + 1);
        } else {
            std::vector<DaoValue> row(static_cast<size_t>(columns));
            for (int i = 0; i < columns; ++i)
                row[static_cast<size_t>(i)] = statement.Column(i);
            m_rows.push_back(std::move(row));
        }
    }
    m_deleted.assign(m_keys.size(), false);
    m_liveRows = static_cast<long>(RowCount());
    if (RowCount() > 0) {
        m_position = 0;
        if (!m_keyed)
            m_row = m_rows.front();
    }
}

bool DaoCursor::IsBOF() const {
    return m_liveRows == 0 || m_position < 0;
}

bool DaoCursor::IsEOF() const {
    return m_liveRows == 0 || m_position >= static_cast<long>(RowCount());
}

bool DaoCursor::HasCurrent() const {
    return m_position >= 0 && m_position < static_cast<long>(RowCount()) && !m_currentDeleted;
}

void DaoCursor::RequireCurrent() const {
    if (m_position < 0 || m_position >= static_cast<long>(RowCount()))
        NoCurrentRecord();
    if (m_currentDeleted)
        RowGone();
}

// The next row not deleted through this cursor from `from` in direction `step`; -1 or the row
// count when there is none.
long DaoCursor::NextLive(long from, int step) const {
    long count = static_cast<long>(RowCount());
    for (long p = from; p >= 0 && p < count; p += step)
        if (!m_keyed || !m_deleted[static_cast<size_t>(p)])
            return p;
    return step > 0 ? count : -1;
}

void DaoCursor::LoadPosition(long position) {
    m_position = position;
    m_currentDeleted = false;
    if (position < 0 || position >= static_cast<long>(RowCount())) {
        m_row.assign(m_plan->columns.size(), DaoValue());
        return;
    }
    if (!m_keyed) {
        m_row = m_rows[static_cast<size_t>(position)];
        return;
    }
    DaoStatement statement(m_connection, m_plan->fetchSql);
    statement.BindInteger(1, m_keys[static_cast<size_t>(position)]);
    if (!statement.Step()) {
        // Deleted by another program since the cursor opened.
        m_currentDeleted = true;
        m_row.assign(m_plan->columns.size(), DaoValue());
        return;
    }
    for (int i = 0; i < ColumnCount(); ++i)
        m_row[static_cast<size_t>(i)] = statement.Column(i);
}

void DaoCursor::MoveFirst() {
    long first = NextLive(0, 1);
    if (first >= static_cast<long>(RowCount()))
        NoCurrentRecord();
    LoadPosition(first);
}

void DaoCursor::MoveLast() {
    long last = NextLive(static_cast<long>(RowCount()) - 1, -1);
    if (last < 0)
        NoCurrentRecord();
    LoadPosition(last);
}

// Standing on a row just deleted, a move goes on from it even when it was the last live row:
// deleting rows while walking a set ends at its end, not in an error.
void DaoCursor::MoveNext() {
    if (m_position >= static_cast<long>(RowCount()) || (m_liveRows == 0 && m_position < 0))
        NoCurrentRecord();
    LoadPosition(NextLive(m_position + 1, 1));
}

void DaoCursor::MovePrev() {
    if (m_position < 0 || (m_liveRows == 0 && m_position >= static_cast<long>(RowCount())))
        NoCurrentRecord();
    LoadPosition(NextLive(m_position - 1, -1));
}

void DaoCursor::Move(long rows) {
    if (rows == 0) {
        RequireCurrent();
        LoadPosition(m_position);
        return;
    }
    int step = rows > 0 ? 1 : -1;
    if (step > 0 && (m_liveRows == 0 || m_position >= static_cast<long>(RowCount())))
        NoCurrentRecord();
    if (step < 0 && (m_liveRows == 0 || m_position < 0))
        NoCurrentRecord();
    long position = m_position;
    for (long moved = 0; moved != rows; moved += step) {
        position = NextLive(position + step, step);
        if (position < 0 || position >= static_cast<long>(RowCount()))
            break;
    }
    LoadPosition(position);
}

int64_t DaoCursor::CurrentBookmark() const {
    RequireCurrent();
    return m_keyed ? m_keys[static_cast<size_t>(m_position)] : m_position + 1;
}

void DaoCursor::GoToBookmark(int64_t bookmark) {
    long position = -1;
    if (m_keyed) {
        for (size_t i = m_keys.size(); i-- > 0;)
            if (m_keys[i] == bookmark) {
                position = static_cast<long>(i);
                break;
            }
    } else if (bookmark >= 1 && bookmark <= static_cast<int64_t>(m_rows.size())) {
        position = static_cast<long>(bookmark - 1);
    }
    if (position < 0)
        CDaoException::Throw(daoErrBadBookmark, "The bookmark is not one of this recordset.",
                             "DAO.Recordset");
    if (m_keyed && m_deleted[static_cast<size_t>(position)])
        RowGone();
    LoadPosition(position);
}

bool DaoCursor::MoveToFirstOf(const std::vector<int64_t>& rowids) {
    if (!m_keyed || rowids.empty())
        return false;
    std::unordered_set<int64_t> wanted(rowids.begin(), rowids.end());
    for (size_t i = 0; i < m_keys.size(); ++i) {
        if (!m_deleted[i] && wanted.count(m_keys[i]) != 0) {
            LoadPosition(static_cast<long>(i));
            return true;
        }
    }
    return false;
}

void DaoCursor::Refetch() {
    RequireCurrent();
    LoadPosition(m_position);
    if (m_currentDeleted)
        RowGone();
}

int64_t DaoCursor::Insert(const Changes& changes) {
    std::string table = DaoDdl::QuoteName(m_plan->baseTable);
    std::string sql;
    if (changes.empty()) {
        sql = "INSERT INTO " + table + " DEFAULT VALUES";
    } else {
        std::string names, values;
        for (size_t i = 0; i < changes.size(); ++i) {
            names += (i ? ", " : "") + DaoDdl::QuoteName(Column(changes[i].first).originColumn);
            values += (i ? ", ?" : "?") + std::to_string(i + 1);
        }
        sql = "INSERT INTO " + table + " (" + names + ") VALUES (" + values + ")";
    }
    DaoWriteScope scope(m_connection);
    {
        DaoStatement statement(m_connection, sql);
        for (size_t i = 0; i < changes.size(); ++i)
            statement.Bind(static_cast<int>(i + 1), changes[i].second);
        statement.Run();
    }
    int64_t rowid = m_connection.lastInsertRowid();
    scope.Commit();
    bool pastEnd = m_position >= static_cast<long>(RowCount());
    m_keys.push_back(rowid);
    m_deleted.push_back(false);
    ++m_liveRows;
    if (pastEnd)
        m_position = static_cast<long>(RowCount()); // a cursor past its end stays there
    return rowid;
}

void DaoCursor::UpdateCurrent(const Changes& changes) {
    RequireCurrent();
    if (changes.empty())
        return;
    std::string sql = "UPDATE " + DaoDdl::QuoteName(m_plan->baseTable) + " SET ";
    for (size_t i = 0; i < changes.size(); ++i)
        sql += (i ? ", " : "") + DaoDdl::QuoteName(Column(changes[i].first).originColumn) + " = ?" +
               std::to_string(i + 2);
    sql += " WHERE rowid = ?1";
    DaoWriteScope scope(m_connection);
    {
        DaoStatement statement(m_connection, sql);
        statement.BindInteger(1, m_keys[static_cast<size_t>(m_position)]);
        for (size_t i = 0; i < changes.size(); ++i)
            statement.Bind(static_cast<int>(i + 2), changes[i].second);
        statement.Run();
    }
    if (m_connection.changes() == 0)
        RowGone();
    scope.Commit();
    for (const auto& change : changes)
        m_row[static_cast<size_t>(change.first)] = change.second;
}

void DaoCursor::DeleteCurrent() {
    RequireCurrent();
    DaoWriteScope scope(m_connection);
    {
        DaoStatement statement(m_connection, "DELETE FROM " + DaoDdl::QuoteName(m_plan->baseTable) +
                                                 " WHERE rowid = ?1");
        statement.BindInteger(1, m_keys[static_cast<size_t>(m_position)]);
        statement.Run();
    }
    if (m_connection.changes() == 0)
        RowGone();
    scope.Commit();
    m_deleted[static_cast<size_t>(m_position)] = true;
    --m_liveRows;
    m_currentDeleted = true;
}
