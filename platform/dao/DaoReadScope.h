#pragma once
// One read transaction around the statements of one operation (opening a recordset: the
// catalog check, the query, the first row), so that they see one state of the file and the
// file's locks are taken once instead of once per statement.

class DaoConnection;

class DaoReadScope {
public:
    explicit DaoReadScope(DaoConnection& connection);
    ~DaoReadScope();
    DaoReadScope(const DaoReadScope&) = delete;
    DaoReadScope& operator=(const DaoReadScope&) = delete;

private:
    DaoConnection& m_connection;
};
