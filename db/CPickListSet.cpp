#include "db/CPickListSet.h"

IMPLEMENT_DYNAMIC(CPickListSet, QZBaseListSet)

CPickListSet::CPickListSet(CDaoDatabase* database)
    : QZBaseListSet(database, {"[Title]", "[DocID]", OBJ_PAGE, nullptr}) {}
