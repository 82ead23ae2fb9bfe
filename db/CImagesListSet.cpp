#include "db/CImagesListSet.h"

IMPLEMENT_DYNAMIC(CImagesListSet, QZBaseListSet)

CImagesListSet::CImagesListSet(CDaoDatabase* database)
    : QZBaseListSet(database, {"[Name]", "[ImageID]", OBJ_IMAGE, nullptr}) {}
