#include "platform/dao/CDaoWorkspace.h"

#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/DaoConnection.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDaoWorkspace, CObject)

CDaoWorkspace::CDaoWorkspace() = default;

CDaoWorkspace::~CDaoWorkspace() = default;

void CDaoWorkspace::AddDatabase(CDaoDatabase* database) {
    m_databases.push_back(database);
}

void CDaoWorkspace::RemoveDatabase(CDaoDatabase* database) {
    m_databases.erase(std::remove(m_databases.begin(), m_databases.end(), database),
                      m_databases.end());
}

void CDaoWorkspace::BeginTrans() {
    std::vector<CDaoDatabase*> begun;
    try {
        for (CDaoDatabase* database : m_databases) {
            if (!database->IsOpen())
                continue;
            database->Connection().BeginTrans();
            begun.push_back(database);
        }
    } catch (...) {
        for (CDaoDatabase* database : begun)
            database->Connection().Rollback();
        throw;
    }
}

void CDaoWorkspace::CommitTrans() {
    for (CDaoDatabase* database : m_databases)
        if (database->IsOpen())
            database->Connection().CommitTrans();
}

void CDaoWorkspace::Rollback() {
    for (CDaoDatabase* database : m_databases)
        if (database->IsOpen())
            database->Connection().Rollback();
}
