#include "db/CPublishListSet.h"

IMPLEMENT_DYNAMIC(CPublishListSet, QZBaseListSet)

CPublishListSet::CPublishListSet(CDaoDatabase* database)
    : QZBaseListSet(database, {"[Title]", "[ObjectID]", OBJ_NONE, "[ObjectType]"}) {}
