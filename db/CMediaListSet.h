#pragma once
// The list recordset of the multimedia objects of a section or a service.

#include "db/QZBaseListSet.h"

class CMediaListSet : public QZBaseListSet {
    DECLARE_DYNAMIC(CMediaListSet)
public:
    explicit CMediaListSet(CDaoDatabase* database);
};
