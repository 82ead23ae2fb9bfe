#include "db/CSectionsListSet.h"

IMPLEMENT_DYNAMIC(CSectionsListSet, QZBaseListSet)

CSectionsListSet::CSectionsListSet(CDaoDatabase* database)
    : QZBaseListSet(database, {"[SectionName]", "[SectionID]", OBJ_SECTION, nullptr}) {}
