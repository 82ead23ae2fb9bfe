#include "db/QZParameterQuery.h"

void OpenWithTextParameters(CDaoRecordset& set, CDaoQueryDef& query, LPCTSTR sql,
                            std::initializer_list<CString> values) {
    if (set.IsOpen())
        set.Close();
    query.Create(nullptr, sql);
    int index = 0;
    for (const CString& value : values)
        query.SetParamValue(index++, COleVariant(value));
    set.Open(&query, dbOpenDynaset, dbConsistent);
}
