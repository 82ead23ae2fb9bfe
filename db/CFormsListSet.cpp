#include "db/CFormsListSet.h"

IMPLEMENT_DYNAMIC(CFormsListSet, QZBaseListSet)

CFormsListSet::CFormsListSet(CDaoDatabase* database)
    : QZBaseListSet(database, {"[Title]", "[FormID]", OBJ_FORM, nullptr}) {}
