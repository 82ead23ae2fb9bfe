#include "db/CEventsListSet.h"

IMPLEMENT_DYNAMIC(CEventsListSet, QZBaseListSet)

CEventsListSet::CEventsListSet(CDaoDatabase* database)
    : QZBaseListSet(database, {"[Title]", "[EventID]", OBJ_EVENT, nullptr}) {}
