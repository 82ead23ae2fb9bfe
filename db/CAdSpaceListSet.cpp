#include "db/CAdSpaceListSet.h"

IMPLEMENT_DYNAMIC(CAdSpaceListSet, QZBaseListSet)

CAdSpaceListSet::CAdSpaceListSet(CDaoDatabase* database)
    : QZBaseListSet(database, {"[Title]", "[AdSpaceID]", OBJ_ADSPACE, nullptr}) {}
