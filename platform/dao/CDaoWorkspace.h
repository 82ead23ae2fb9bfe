#pragma once
// The transaction space of one or more databases: BeginTrans, CommitTrans and Rollback act on
// every open database of the workspace. A database made without a workspace has one of its
// own, so that m_pWorkspace->BeginTrans() covers that database alone.

#include "platform/core/CObject.h"

#include <vector>

class CDaoDatabase;

class CDaoWorkspace : public CObject {
    DECLARE_DYNAMIC(CDaoWorkspace)
public:
    CDaoWorkspace();
    ~CDaoWorkspace() override;

    // The changes made after BeginTrans are kept by CommitTrans or dropped by Rollback, all or
    // none; a transaction holds the write lock of its databases until it ends.
    void BeginTrans();
    void CommitTrans();
    void Rollback();

    // Databases join the workspace when they are constructed on it.
    void AddDatabase(CDaoDatabase* database);
    void RemoveDatabase(CDaoDatabase* database);

private:
    std::vector<CDaoDatabase*> m_databases;
};
