#pragma once
// The list recordset of the scheduled events of a service.

#include "db/QZBaseListSet.h"

class CEventsListSet : public QZBaseListSet {
    DECLARE_DYNAMIC(CEventsListSet)
public:
    explicit CEventsListSet(CDaoDatabase* database);
};
