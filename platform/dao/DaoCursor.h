#pragma once
// The rows of an open recordset and the way to them. A keyed cursor (dynaset or table over one
// table) reads the rowids of its rows when it opens, with the first row's values, and reads
// each further row afresh when it moves there: it sees other program copies' later changes and
// holds no statement open between calls. Any other result is read whole when it opens
// (snapshot). Changes go to the table in one short write transaction each.

#include "platform/dao/DaoSqlPlan.h"
#include "platform/dao/DaoValue.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

class DaoConnection;

class DaoCursor {
public:
    // Which of the result's columns get which value, for an insert or an update.
    using Changes = std::vector<std::pair<int, DaoValue>>;

    DaoCursor(DaoConnection& connection, std::shared_ptr<const DaoSqlPlan> plan, bool keyed,
              bool appendOnly);

    // Runs the query with the parameter values (one per plan parameter, in position order)
    // and stands on the first row.
    void Open(const std::vector<DaoValue>& parameters);

    int ColumnCount() const { return static_cast<int>(m_plan->columns.size()); }
    const DaoResultColumn& Column(int index) const {
        return m_plan->columns[static_cast<size_t>(index)];
    }
    int FindColumn(std::string_view name) const;
    bool IsKeyed() const { return m_keyed; }
    const std::string& table() const { return m_plan->baseTable; }

    bool IsBOF() const;
    bool IsEOF() const;
    bool HasCurrent() const;
    bool IsCurrentDeleted() const { return m_currentDeleted; }
    long RecordCount() const { return m_liveRows; }
    const std::vector<DaoValue>& Row() const { return m_row; }

    // Moves; each raises 3021 when there is no row to move to, as the engine's do.
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrev();
    void Move(long rows);

    int64_t CurrentBookmark() const;
    void GoToBookmark(int64_t bookmark);
    // Keyed cursors: moves to the first row, in the cursor's order and not deleted through it,
    // whose rowid is one of `rowids`; false, without moving, when there is none.
    bool MoveToFirstOf(const std::vector<int64_t>& rowids);

    // Reads the current row again (the start of an edit); 3167 when it is gone.
    void Refetch();
    // Adds a row; returns its bookmark. The row joins the cursor's rows at the end.
    int64_t Insert(const Changes& changes);
    void UpdateCurrent(const Changes& changes);
    void DeleteCurrent();

    // Works out the plan's columns and keyed statements once per plan.
    static void Shape(DaoConnection& connection, const DaoSqlPlan& plan);

private:
    size_t RowCount() const { return m_keyed ? m_keys.size() : m_rows.size(); }
    void Bind(class DaoStatement& statement, const std::vector<DaoValue>& parameters) const;
    void LoadPosition(long position);
    void RequireCurrent() const;
    long NextLive(long from, int step) const;

    DaoConnection& m_connection;
    std::shared_ptr<const DaoSqlPlan> m_plan;
    bool m_keyed;
    bool m_appendOnly;
    std::vector<int64_t> m_keys;
    std::vector<bool> m_deleted;
    std::vector<std::vector<DaoValue>> m_rows;
    std::vector<DaoValue> m_row;
    long m_position = -1;
    long m_liveRows = 0;
    bool m_currentDeleted = false;
};
