#include "db/CTemplatesListSet.h"

IMPLEMENT_DYNAMIC(CTemplatesListSet, QZBaseListSet)

CTemplatesListSet::CTemplatesListSet(CDaoDatabase* database)
    : QZBaseListSet(database, {"[TemplateName]", "[TemplateID]", OBJ_MACRO, nullptr}) {}
