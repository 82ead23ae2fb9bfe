#include "db/CAdListSet.h"

IMPLEMENT_DYNAMIC(CAdListSet, QZBaseListSet)

CAdListSet::CAdListSet(CDaoDatabase* database)
    : QZBaseListSet(database, {"[Title]", "[AdID]", OBJ_AD, nullptr}) {}
