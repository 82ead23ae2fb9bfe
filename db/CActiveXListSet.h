#pragma once
// The list recordset of the ActiveX objects of a section or a service.

#include "db/QZBaseListSet.h"

class CActiveXListSet : public QZBaseListSet {
    DECLARE_DYNAMIC(CActiveXListSet)
public:
    explicit CActiveXListSet(CDaoDatabase* database);
};
