#pragma once
// Conversions between the engine's stored values and the variants of the system's code, by
// the column's type: Long, Integer and Byte as integers, Date as ISO text, Text and Memo as
// text, Null as Null.

#include "platform/core/COleDateTime.h"
#include "platform/core/COleVariant.h"
#include "platform/dao/CDaoFieldInfo.h"
#include "platform/dao/DaoSqlPlan.h"
#include "platform/dao/DaoValue.h"

class DaoConvert {
public:
    // A stored value as a variant of the column's type (by the stored kind when the column
    // has no definition).
    static COleVariant ToVariant(const DaoValue& value, const DaoResultColumn& column);
    // A variant as the value to store in a column of `type` (dbLong ...; 0 for no declared
    // type); raises 3421 when the variant has no value of that type.
    static DaoValue FromVariant(const COleVariant& value, short type);
    // The date of a stored value; false when it holds none.
    static bool ToDate(const DaoValue& value, DATE& out);
    static DaoValue FromDate(DATE value);
    // A catalog time stamp as a date; null when the text holds none.
    static COleDateTime StampDate(const std::string& text);
    // The field information of a result column.
    static void FillFieldInfo(const DaoResultColumn& column, CDaoFieldInfo& info);
};
