#include "db/CActiveXListSet.h"

IMPLEMENT_DYNAMIC(CActiveXListSet, QZBaseListSet)

CActiveXListSet::CActiveXListSet(CDaoDatabase* database)
    : QZBaseListSet(database, {"[Title]", "[ObjectID]", OBJ_ACTIVEX, nullptr}) {}
