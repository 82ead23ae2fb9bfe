#pragma once
// The list recordset of the objects of a service marked for publishing, each with
// the type its row names.

#include "db/QZBaseListSet.h"

class CPublishListSet : public QZBaseListSet {
    DECLARE_DYNAMIC(CPublishListSet)
public:
    explicit CPublishListSet(CDaoDatabase* database);
};
