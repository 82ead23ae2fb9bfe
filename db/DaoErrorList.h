#pragma once
// Looking through a database exception's list of errors for the codes this layer reacts to.

#include "platform/dao/CDaoException.h"
#include "platform/dao/DaoErrors.h"

// The code of the exception's error at index, or 0 when there is none.
LONG DaoErrorCode(CDaoException* e, int index);
// TRUE when any of the exception's errors, in order, has the code.
BOOL DaoErrorHas(CDaoException* e, LONG code);
