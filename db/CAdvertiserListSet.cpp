#include "db/CAdvertiserListSet.h"

IMPLEMENT_DYNAMIC(CAdvertiserListSet, QZBaseListSet)

CAdvertiserListSet::CAdvertiserListSet(CDaoDatabase* database)
    : QZBaseListSet(database, {"[BusinessName]", "[AdvertiserID]", OBJ_ADVERTISER, nullptr}) {}
