#pragma once
// The row of an installed component (table ComponentsInstalled): its source, title, version and
// database. A component row is no object: its key and object type are the base's.

#include "db/QZTableSet.h"

#include <memory>

class CComponentsInstalledSet : public QZTableSet<CComponentsInstalledSet> {
    DECLARE_DYNAMIC(CComponentsInstalledSet)
public:
    explicit CComponentsInstalledSet(CDaoDatabase* database);
    ~CComponentsInstalledSet() override;

    static const QZTableDef<CComponentsInstalledSet>& TableDef();

    // Opens the set on a stored query (MQ_GetComponentInfo: every row); Edit when edit is set.
    // Returns 1; engine errors pass on.
    int OpenByQuery(CString queryName, int edit);
    // Opens the set on the row of that source and title; Edit when edit is set. Returns 1;
    // engine errors pass on.
    int OpenBySourceAndTitle(CString source, CString title, int edit);
    // 1 when a row has that source and title, else 0.
    int IsInstalled(CString source, CString title);
    // The base's new row; 0 when it could not be made, the table not even opened included.
    int AddNewRecord(int flag) override;

    CString m_ComponentSrc;
    CString m_ComponentTitle;
    LONG m_VersionNumber = 0;
    CString m_DatabaseLocation;

private:
    // The query the set is opened on by OpenByQuery and the look-ups by source and title.
    std::unique_ptr<CDaoQueryDef> m_pQuery;
};
