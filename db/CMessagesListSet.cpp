#include "db/CMessagesListSet.h"

IMPLEMENT_DYNAMIC(CMessagesListSet, QZBaseListSet)

CMessagesListSet::CMessagesListSet(CDaoDatabase* database)
    : QZBaseListSet(database, {"[Title]", "[MessageID]", OBJ_MESSAGE, nullptr}) {}
