#pragma once
// The list recordset of the pages offered in the pick list of pages to generate.

#include "db/QZBaseListSet.h"

class CPickListSet : public QZBaseListSet {
    DECLARE_DYNAMIC(CPickListSet)
public:
    explicit CPickListSet(CDaoDatabase* database);
};
