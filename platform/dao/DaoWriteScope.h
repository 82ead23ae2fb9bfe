#pragma once
// A write transaction for one operation of the layer: committed by Commit, rolled back when it
// is left by an exception. Update, Delete, Execute and every change of the catalog run in one.

class DaoConnection;

class DaoWriteScope {
public:
    explicit DaoWriteScope(DaoConnection& connection);
    ~DaoWriteScope();
    DaoWriteScope(const DaoWriteScope&) = delete;
    DaoWriteScope& operator=(const DaoWriteScope&) = delete;

    void Commit();

private:
    DaoConnection& m_connection;
    bool m_done = false;
};
