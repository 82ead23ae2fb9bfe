#pragma once
// The list recordset of the Java applets of a section or a service.

#include "db/QZBaseListSet.h"

class CJavaListSet : public QZBaseListSet {
    DECLARE_DYNAMIC(CJavaListSet)
public:
    explicit CJavaListSet(CDaoDatabase* database);
};
