#pragma once
// The list recordset of the queries of a service.

#include "db/QZBaseListSet.h"

class CQueriesListSet : public QZBaseListSet {
    DECLARE_DYNAMIC(CQueriesListSet)
public:
    explicit CQueriesListSet(CDaoDatabase* database);
};
