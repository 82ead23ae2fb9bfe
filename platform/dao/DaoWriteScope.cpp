#include "platform/dao/DaoWriteScope.h"

#include "platform/dao/DaoConnection.h"

DaoWriteScope::DaoWriteScope(DaoConnection& connection) : m_connection(connection) {
    m_connection.BeginWrite();
}

DaoWriteScope::~DaoWriteScope() {
    if (!m_done)
        m_connection.RollbackWrite();
}

void DaoWriteScope::Commit() {
    m_done = true;
    m_connection.CommitWrite();
}
