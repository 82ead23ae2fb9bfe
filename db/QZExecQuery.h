#pragma once
// Runs the stored action queries that mark everything under one object key (a service's or a
// section's objects deleted, a service's objects for publishing): the key's DbID and KeyID are
// the query's parameters 0 and 1.

#include "db/QZKeyCombo.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoQueryDef.h"

#include <span>

class QZExecQuery : public CObject {
public:
    explicit QZExecQuery(CDaoDatabase* database);
    ~QZExecQuery() override;
    QZExecQuery(const QZExecQuery&) = delete;
    QZExecQuery& operator=(const QZExecQuery&) = delete;

    // Runs the named action query for the key with dbFailOnError: all its changes or none.
    // 1 when it ran, 0 (and nothing shown) when the engine refused it, an unknown name included.
    int ExecuteByKey(CString queryName, const QZKeyCombo& key);
    // Runs the queries in order as one change: 1 when every one ran, else 0 with none of their
    // changes kept.
    int ExecuteAllByKey(std::span<const char* const> queryNames, const QZKeyCombo& key);

    // The runs that must apply together, each in its callers' order: marking a service's
    // objects for publishing, and marking a service's or a section's objects deleted.
    static std::span<const char* const> MarkAllInSiteQueries();
    static std::span<const char* const> DeleteServiceObjectsQueries();
    static std::span<const char* const> DeleteSectionObjectsQueries();

private:
    void RollbackQuietly();

    CDaoDatabase* m_pDatabase;
    CDaoQueryDef* m_pQueryDef;
};
