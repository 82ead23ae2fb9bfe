#pragma once
// The list recordset of the images of a section or a service.

#include "db/QZBaseListSet.h"

class CImagesListSet : public QZBaseListSet {
    DECLARE_DYNAMIC(CImagesListSet)
public:
    explicit CImagesListSet(CDaoDatabase* database);
};
