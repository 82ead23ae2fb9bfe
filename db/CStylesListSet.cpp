#include "db/CStylesListSet.h"

IMPLEMENT_DYNAMIC(CStylesListSet, QZBaseListSet)

CStylesListSet::CStylesListSet(CDaoDatabase* database)
    : QZBaseListSet(database, {"[StyleName]", "[StyleID]", OBJ_STYLE, nullptr}) {}
