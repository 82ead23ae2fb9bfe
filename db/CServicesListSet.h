#pragma once
// The list recordset of the services.

#include "db/QZBaseListSet.h"

class CServicesListSet : public QZBaseListSet {
    DECLARE_DYNAMIC(CServicesListSet)
public:
    explicit CServicesListSet(CDaoDatabase* database);
};
