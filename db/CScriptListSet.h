#pragma once
// The list recordset of the scripts of a section or a service.

#include "db/QZBaseListSet.h"

class CScriptListSet : public QZBaseListSet {
    DECLARE_DYNAMIC(CScriptListSet)
public:
    explicit CScriptListSet(CDaoDatabase* database);
};
