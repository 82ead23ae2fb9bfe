#include "db/CScriptListSet.h"

IMPLEMENT_DYNAMIC(CScriptListSet, QZBaseListSet)

CScriptListSet::CScriptListSet(CDaoDatabase* database)
    : QZBaseListSet(database, {"[Title]", "[ScriptID]", OBJ_SCRIPT, nullptr}) {}
