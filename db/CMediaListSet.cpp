#include "db/CMediaListSet.h"

IMPLEMENT_DYNAMIC(CMediaListSet, QZBaseListSet)

CMediaListSet::CMediaListSet(CDaoDatabase* database)
    : QZBaseListSet(database, {"[Title]", "[MediaID]", OBJ_MEDIA, nullptr}) {}
