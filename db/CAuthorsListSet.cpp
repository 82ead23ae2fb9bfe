#include "db/CAuthorsListSet.h"

IMPLEMENT_DYNAMIC(CAuthorsListSet, QZBaseListSet)

CAuthorsListSet::CAuthorsListSet(CDaoDatabase* database)
    : QZBaseListSet(database, {"[AuthorName]", "[AuthorID]", OBJ_AUTHOR, nullptr}) {}
