#pragma once
// The list recordset of the ad spaces of a service.

#include "db/QZBaseListSet.h"

class CAdSpaceListSet : public QZBaseListSet {
    DECLARE_DYNAMIC(CAdSpaceListSet)
public:
    explicit CAdSpaceListSet(CDaoDatabase* database);
};
