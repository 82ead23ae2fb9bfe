#include "platform/dao/DaoMember.h"

#include "platform/dao/DaoConstants.h"
#include "platform/dao/DaoConvert.h"

namespace {

constexpr LONG kPseudoNullLong = 0x4A4D4120;
constexpr short kPseudoNullShort = 0x7EE4;
constexpr BYTE kPseudoNullByte = 0xFF;

using Kind = CDaoFieldExchange::Kind;

template <typename T> T& Member(const CDaoFieldExchange::Binding& binding) {
    return *static_cast<T*>(binding.member);
}

} // namespace

DaoMemberValue DaoMember::Get(const CDaoFieldExchange::Binding& binding) {
    switch (binding.kind) {
    case Kind::Long:
        return Member<LONG>(binding);
    case Kind::Short:
        return Member<short>(binding);
    case Kind::Byte:
        return Member<BYTE>(binding);
    case Kind::Text:
        return Member<CString>(binding);
    case Kind::DateTime:
        break;
    }
    return Member<COleDateTime>(binding);
}

void DaoMember::Set(const CDaoFieldExchange::Binding& binding, const DaoMemberValue& value) {
    switch (binding.kind) {
    case Kind::Long:
        Member<LONG>(binding) = std::get<LONG>(value);
        break;
    case Kind::Short:
        Member<short>(binding) = std::get<short>(value);
        break;
    case Kind::Byte:
        Member<BYTE>(binding) = std::get<BYTE>(value);
        break;
    case Kind::Text:
        Member<CString>(binding) = std::get<CString>(value);
        break;
    case Kind::DateTime:
        Member<COleDateTime>(binding) = std::get<COleDateTime>(value);
        break;
    }
}

DaoValue DaoMember::ToValue(const CDaoFieldExchange::Binding& binding) {
    switch (binding.kind) {
    case Kind::Long:
        return DaoValue::Integer(Member<LONG>(binding));
    case Kind::Short:
        return DaoValue::Integer(Member<short>(binding));
    case Kind::Byte:
        return DaoValue::Integer(Member<BYTE>(binding));
    case Kind::Text:
        return DaoValue::Text(Member<CString>(binding).str());
    case Kind::DateTime:
        break;
    }
    const COleDateTime& date = Member<COleDateTime>(binding);
    return date.GetStatus() == COleDateTime::valid ? DaoConvert::FromDate(date.m_dt) : DaoValue();
}

void DaoMember::FromValue(const CDaoFieldExchange::Binding& binding, const DaoValue& value) {
    switch (binding.kind) {
    case Kind::Long:
        Member<LONG>(binding) = static_cast<LONG>(value.AsInteger());
        break;
    case Kind::Short:
        Member<short>(binding) = static_cast<short>(value.AsInteger());
        break;
    case Kind::Byte:
        Member<BYTE>(binding) = static_cast<BYTE>(value.AsInteger());
        break;
    case Kind::Text:
        Member<CString>(binding) = CString(value.AsText());
        break;
    case Kind::DateTime: {
        COleDateTime& date = Member<COleDateTime>(binding);
        DATE stored = 0;
        date.m_dt = 0;
        if (value.IsNull()) {
            date.SetStatus(COleDateTime::null);
        } else if (DaoConvert::ToDate(value, stored)) {
            date.m_dt = stored;
            date.SetStatus(COleDateTime::valid);
        } else {
            date.SetStatus(COleDateTime::invalid);
        }
        break;
    }
    }
}

COleVariant DaoMember::ToVariant(const CDaoFieldExchange::Binding& binding) {
    switch (binding.kind) {
    case Kind::Long:
        return COleVariant(Member<LONG>(binding));
    case Kind::Short:
        return COleVariant(Member<short>(binding));
    case Kind::Byte:
        return COleVariant(Member<BYTE>(binding));
    case Kind::Text:
        return COleVariant(Member<CString>(binding));
    case Kind::DateTime:
        break;
    }
    const COleDateTime& date = Member<COleDateTime>(binding);
    COleVariant variant(date);
    if (date.GetStatus() != COleDateTime::valid)
        variant.vt = VT_NULL;
    return variant;
}

void DaoMember::FromVariant(const CDaoFieldExchange::Binding& binding, const COleVariant& value) {
    if (value.vt == VT_NULL || value.vt == VT_EMPTY) {
        SetNull(binding);
        return;
    }
    FromValue(binding, DaoConvert::FromVariant(value, ColumnType(binding.kind)));
}

void DaoMember::SetPseudoNull(const CDaoFieldExchange::Binding& binding) {
    switch (binding.kind) {
    case Kind::Long:
        Member<LONG>(binding) = kPseudoNullLong;
        break;
    case Kind::Short:
        Member<short>(binding) = kPseudoNullShort;
        break;
    case Kind::Byte:
        Member<BYTE>(binding) = kPseudoNullByte;
        break;
    default:
        SetNull(binding);
        break;
    }
}

void DaoMember::SetNull(const CDaoFieldExchange::Binding& binding) {
    FromValue(binding, DaoValue());
}

short DaoMember::ColumnType(CDaoFieldExchange::Kind kind) {
    switch (kind) {
    case Kind::Long:
        return dbLong;
    case Kind::Short:
        return dbInteger;
    case Kind::Byte:
        return dbByte;
    case Kind::Text:
        return dbText;
    case Kind::DateTime:
        break;
    }
    return dbDate;
}
