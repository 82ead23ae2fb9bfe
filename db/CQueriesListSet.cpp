#include "db/CQueriesListSet.h"

IMPLEMENT_DYNAMIC(CQueriesListSet, QZBaseListSet)

CQueriesListSet::CQueriesListSet(CDaoDatabase* database)
    : QZBaseListSet(database, {"[QueryName]", "[QueryID]", OBJ_QUERY, nullptr}) {}
