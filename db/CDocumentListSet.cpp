#include "db/CDocumentListSet.h"

IMPLEMENT_DYNAMIC(CDocumentListSet, QZBaseListSet)

CDocumentListSet::CDocumentListSet(CDaoDatabase* database)
    : QZBaseListSet(database, {"[Title]", "[DocID]", OBJ_PAGE, nullptr}) {}
