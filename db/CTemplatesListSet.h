#pragma once
// The list recordset of the macros of a service.

#include "db/QZBaseListSet.h"

class CTemplatesListSet : public QZBaseListSet {
    DECLARE_DYNAMIC(CTemplatesListSet)
public:
    explicit CTemplatesListSet(CDaoDatabase* database);
};
