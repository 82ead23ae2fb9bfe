#include "platform/dao/DaoConvert.h"

#include "platform/core/COleException.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/DaoConstants.h"
#include "platform/dao/DaoDateText.h"
#include "platform/dao/DaoErrors.h"

#include <climits>

namespace {

COleVariant NullVariant() {
    COleVariant variant;
    variant.vt = VT_NULL;
    return variant;
}

// The variant converted to `type`; a failed conversion is the engine's conversion error.
COleVariant Converted(const COleVariant& value, VARTYPE type) {
    COleVariant result;
    try {
        result.ChangeType(type, &value);
    } catch (COleException* e) {
        e->Delete();
        CDaoException::Throw(daoErrTypeConversion,
                             "The value cannot be stored in a column of that type.", "DAO.Field");
    }
    return result;
}

COleVariant FromStoredKind(const DaoValue& value) {
    switch (value.kind()) {
    case DaoValue::Kind::Integer:
        if (value.AsInteger() >= INT32_MIN && value.AsInteger() <= INT32_MAX)
            return COleVariant(static_cast<LONG>(value.AsInteger()));
        return COleVariant(static_cast<double>(value.AsInteger()));
    case DaoValue::Kind::Real:
        return COleVariant(value.AsReal());
    case DaoValue::Kind::Text:
        return COleVariant(CString(value.text()));
    case DaoValue::Kind::Null:
        break;
    }
    return NullVariant();
}

} // namespace

bool DaoConvert::ToDate(const DaoValue& value, DATE& out) {
    switch (value.kind()) {
    case DaoValue::Kind::Text:
        return DaoParseDate(value.text(), out);
    case DaoValue::Kind::Integer:
    case DaoValue::Kind::Real:
        out = value.AsReal();
        return true;
    case DaoValue::Kind::Null:
        break;
    }
    return false;
}

DaoValue DaoConvert::FromDate(DATE value) {
    std::string text = DaoFormatDate(value);
    return text.empty() ? DaoValue() : DaoValue::Text(text);
}

COleVariant DaoConvert::ToVariant(const DaoValue& value, const DaoResultColumn& column) {
    if (value.IsNull())
        return NullVariant();
    if (!column.hasSchema)
        return FromStoredKind(value);
    switch (column.schema.type) {
    case dbBoolean:
        return COleVariant(static_cast<short>(value.AsInteger() != 0), VT_BOOL);
    case dbByte:
        return COleVariant(static_cast<BYTE>(value.AsInteger()));
    case dbInteger:
        return COleVariant(static_cast<short>(value.AsInteger()));
    case dbLong:
        return COleVariant(static_cast<LONG>(value.AsInteger()));
    case dbSingle:
        return COleVariant(static_cast<float>(value.AsReal()));
    case dbDouble:
        return COleVariant(value.AsReal());
    case dbCurrency:
        return COleVariant(COleCurrency::FromDouble(value.AsReal()));
    case dbDate: {
        DATE date = 0;
        if (ToDate(value, date))
            return COleVariant(COleDateTime(date));
        return FromStoredKind(value);
    }
    default:
        return COleVariant(CString(value.AsText()));
    }
}

DaoValue DaoConvert::FromVariant(const COleVariant& value, short type) {
    if (value.vt == VT_NULL || value.vt == VT_EMPTY)
        return DaoValue();
    switch (type) {
    case dbBoolean:
        return DaoValue::Integer(Converted(value, VT_BOOL).boolVal ? -1 : 0);
    case dbByte:
        return DaoValue::Integer(Converted(value, VT_UI1).bVal);
    case dbInteger:
        return DaoValue::Integer(Converted(value, VT_I2).iVal);
    case dbLong:
        return DaoValue::Integer(Converted(value, VT_I4).lVal);
    case dbSingle:
    case dbDouble:
        return DaoValue::Real(Converted(value, VT_R8).dblVal);
    case dbCurrency:
        return DaoValue::Real(COleCurrency(Converted(value, VT_CY).cyVal).ToDouble());
    case dbDate:
        return FromDate(Converted(value, VT_DATE).date);
    case dbText:
    case dbMemo:
        return DaoValue::Text(Converted(value, VT_BSTR).bstrVal.str());
    default:
        break;
    }
    switch (value.vt) {
    case VT_I2:
        return DaoValue::Integer(value.iVal);
    case VT_I4:
        return DaoValue::Integer(value.lVal);
    case VT_UI1:
        return DaoValue::Integer(value.bVal);
    case VT_BOOL:
        return DaoValue::Integer(value.boolVal ? -1 : 0);
    case VT_R4:
        return DaoValue::Real(value.fltVal);
    case VT_R8:
        return DaoValue::Real(value.dblVal);
    case VT_CY:
        return DaoValue::Real(COleCurrency(value.cyVal).ToDouble());
    case VT_DATE:
        return FromDate(value.date);
    default:
        return DaoValue::Text(Converted(value, VT_BSTR).bstrVal.str());
    }
}

void DaoConvert::FillFieldInfo(const DaoResultColumn& column, CDaoFieldInfo& info) {
    info = CDaoFieldInfo();
    info.m_strName = column.name;
    info.m_strSourceField = column.originColumn;
    if (column.hasSchema) {
        info.m_nType = column.schema.type;
        info.m_lSize = column.schema.size;
        info.m_lAttributes = column.schema.attributes;
        info.m_nOrdinalPosition = column.schema.ordinal;
        info.m_bRequired = column.schema.required;
        info.m_bAllowZeroLength = column.schema.allowZeroLength;
        info.m_lCollatingOrder = column.schema.collatingOrder;
        info.m_strDefaultValue = column.schema.defaultValue;
        info.m_strValidationRule = column.schema.validationRule;
        info.m_strValidationText = column.schema.validationText;
    } else {
        // An expression: the engine's text of it.
        info.m_nType = dbText;
        info.m_lSize = 255;
        info.m_lAttributes = dbVariableField;
        info.m_bAllowZeroLength = TRUE;
    }
}

COleDateTime DaoConvert::StampDate(const std::string& text) {
    COleDateTime date;
    DATE value = 0;
    if (ToDate(DaoValue::Text(text), value))
        date = COleDateTime(value);
    else
        date.SetStatus(COleDateTime::null);
    return date;
}
