#pragma once
// The list recordset of the advertisers of a service.

#include "db/QZBaseListSet.h"

class CAdvertiserListSet : public QZBaseListSet {
    DECLARE_DYNAMIC(CAdvertiserListSet)
public:
    explicit CAdvertiserListSet(CDaoDatabase* database);
};
