#pragma once
// The list recordset of the ads of a service or an advertiser.

#include "db/QZBaseListSet.h"

class CAdListSet : public QZBaseListSet {
    DECLARE_DYNAMIC(CAdListSet)
public:
    explicit CAdListSet(CDaoDatabase* database);
};
