#include "db/CJavaListSet.h"

IMPLEMENT_DYNAMIC(CJavaListSet, QZBaseListSet)

CJavaListSet::CJavaListSet(CDaoDatabase* database)
    : QZBaseListSet(database, {"[Title]", "[JavaID]", OBJ_JAVA, nullptr}) {}
