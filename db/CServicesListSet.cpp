#include "db/CServicesListSet.h"

IMPLEMENT_DYNAMIC(CServicesListSet, QZBaseListSet)

CServicesListSet::CServicesListSet(CDaoDatabase* database)
    : QZBaseListSet(database, {"[Name]", "[ServiceID]", OBJ_SERVICE, nullptr}) {}
