#pragma once
// Opening a recordset on an SQL text whose values are parameters, never spliced into the text:
// a name with an apostrophe is just a name.

#include "platform/core/CString.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoRecordset.h"

#include <initializer_list>

// Makes `query` a temporary query definition on the text (its PARAMETERS clause declares the
// values in order), sets the values by position and opens `set` on it as a dynaset with
// dbConsistent. `query` must outlive the open set. Engine errors pass on.
void OpenWithTextParameters(CDaoRecordset& set, CDaoQueryDef& query, LPCTSTR sql,
                            std::initializer_list<CString> values);
