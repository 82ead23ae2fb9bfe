#include "template/expressions/QZMethodExprStmt.h"

#include "template/expressions/QZExprConvert.h"
#include "template/values/QZSymbol.h"

IMPLEMENT_DYNAMIC(QZMethodExprStmt, QZFuncExprStmt)

namespace {

// Where a method belongs.
enum Family { FAMILY_NONE, FAMILY_STRING, FAMILY_DATE, FAMILY_SPAN };

Family FamilyOf(int number) {
    using M = QZMethodExprStmt;
    if (number == M::M_SETAT)
        return FAMILY_NONE;
    if ((number >= M::M_GETLENGTH && number <= M::M_SPANEXCLUDING) || number == M::M_FIND ||
        number == M::M_REVERSEFIND)
        return FAMILY_STRING;
    if (number >= M::M_GETYEAR && number <= M::M_GETDAYOFYEAR)
        return FAMILY_DATE;
    if ((number >= M::M_GETDAYS && number <= M::M_GETTOTALSECONDS) ||
        (number >= M::M_GETYEARS && number <= M::M_GETTOTALMONTHS))
        return FAMILY_SPAN;
    return FAMILY_NONE;
}

int Sign(int value) {
    return value < 0 ? -1 : value > 0 ? 1 : 0;
}

} // namespace

QZMethodExprStmt::QZMethodExprStmt(QZExprContext* context, int number, QZSymbol* object,
                                   QZBlockList* arguments, QZSymbol* result)
    : QZFuncExprStmt(context, number, arguments, result), m_pObject(object) {}

void QZMethodExprStmt::Execute() {
    if (m_pObject == nullptr || m_pResultEntry == nullptr) {
        Error("missing or invalid object");
        return;
    }
    // The object and the arguments are used as they stand, references included.
    switch (FamilyOf(m_nOperation)) {
    case FAMILY_STRING:
        if (m_pObject->GetType() != QZSymbol::TYPE_STRING)
            return Error("object %s is not a string", m_pObject->GetName());
        return StringMethod(m_pObject, Argument(1), Argument(2));
    case FAMILY_DATE:
        if (m_pObject->GetType() != QZSymbol::TYPE_DATE)
            return Error("object %s is not a date", m_pObject->GetName());
        return DateMethod(m_pObject);
    case FAMILY_SPAN:
        if (m_pObject->GetType() != QZSymbol::TYPE_SPAN)
            return Error("object %s is not a timespan", m_pObject->GetName());
        return SpanMethod(m_pObject);
    default:
        break; // SetAt, and numbers without a method, do nothing
    }
}

BOOL QZMethodExprStmt::Position(const QZSymbol* argument, LONG& position) {
    if (argument->GetType() == QZSymbol::TYPE_INTEGER)
        position = argument->GetInteger();
    else if (argument->GetType() == QZSymbol::TYPE_DOUBLE)
        position = QZExprConvert::ToInteger(argument->GetDouble());
    else
        return FALSE;
    return TRUE;
}

void QZMethodExprStmt::StringMethod(QZSymbol* object, QZSymbol* first, QZSymbol* second) {
    const CString& text = object->GetString();
    switch (m_nOperation) {
    case M_GETLENGTH:
        return m_pResultEntry->SetInteger(text.GetLength());
    case M_ISEMPTY:
        return m_pResultEntry->SetInteger(text.IsEmpty() ? 1 : 0);
    default:
        break;
    }
    if (first == nullptr)
        return Error("missing or invalid argument");
    switch (m_nOperation) {
    case M_GETAT:
    case M_GETMID:
    case M_GETLEFT:
    case M_GETRIGHT:
        return Positioned(text, first, second);
    case M_COMPARE:
    case M_COMPARENOCASE:
        return Compared(text, first);
    case M_SPANINCLUDING:
    case M_SPANEXCLUDING:
        return Spanned(text, first);
    default:
        return Found(text, first);
    }
}

void QZMethodExprStmt::Positioned(const CString& text, QZSymbol* first, QZSymbol* second) {
    LONG n;
    if (!Position(first, n)) {
        switch (m_nOperation) {
        case M_GETAT:
            return Error("GetAt: invalid position %s", first->GetName());
        case M_GETMID:
            return Error("GetMid: invalid position %s", first->GetName());
        case M_GETLEFT:
            return Error("GetLeft: invalid position %s", first->GetName());
        default:
            return Error("GetRight: invalid position %s", first->GetName());
        }
    }
    // Positions outside the string give an empty string; counts stop at its ends.
    LONG length = text.GetLength();
    switch (m_nOperation) {
    case M_GETAT:
        return m_pResultEntry->SetString(n >= 1 && n <= length ? text.Mid(n - 1, 1) : CString());
    case M_GETMID: {
        if (second != nullptr && second->GetType() != QZSymbol::TYPE_INTEGER)
            return Error("GetMid: invalid position %s", second->GetName());
        if (n < 1 || n > length)
            return m_pResultEntry->SetString(CString());
        LONG count = second != nullptr ? second->GetInteger() : length;
        return m_pResultEntry->SetString(count > 0 ? text.Mid(n - 1, count) : CString());
    }
    case M_GETLEFT:
        return m_pResultEntry->SetString(n > 0 ? text.Left(n) : CString());
    default:
        return m_pResultEntry->SetString(n > 0 ? text.Right(n) : CString());
    }
}

void QZMethodExprStmt::Compared(const CString& text, QZSymbol* first) {
    if (first->GetType() != QZSymbol::TYPE_STRING)
        return Error("Compare: invalid string %s", first->GetName());
    const CString& other = first->GetString();
    int order = m_nOperation == M_COMPARE ? text.Compare(other) : text.CompareNoCase(other);
    m_pResultEntry->SetInteger(Sign(order));
}

void QZMethodExprStmt::Spanned(const CString& text, QZSymbol* first) {
    if (first->GetType() != QZSymbol::TYPE_STRING) {
        return Error(m_nOperation == M_SPANINCLUDING ? "SpanIncluding: invalid string %s"
                                                     : "SpanExcluding: invalid string %s",
                     first->GetName());
    }
    const CString& set = first->GetString();
    m_pResultEntry->SetString(m_nOperation == M_SPANINCLUDING ? text.SpanIncluding(set)
                                                              : text.SpanExcluding(set));
}

void QZMethodExprStmt::Found(const CString& text, QZSymbol* first) {
    if (first->GetType() != QZSymbol::TYPE_STRING)
        return Error("missing or invalid argument");
    const CString& what = first->GetString();
    if (m_nOperation == M_FIND)
        return m_pResultEntry->SetInteger(text.Find(what) + 1);
    // Only the first character counts; an empty argument is found nowhere.
    m_pResultEntry->SetInteger(what.IsEmpty() ? 0 : text.ReverseFind(what.GetAt(0)) + 1);
}

void QZMethodExprStmt::DateMethod(QZSymbol* object) {
    COleDateTime date = object->GetDate();
    int value;
    switch (m_nOperation) {
    case M_GETYEAR:
        value = date.GetYear();
        break;
    case M_GETMONTH:
        value = date.GetMonth();
        break;
    case M_GETDAY:
        value = date.GetDay();
        break;
    case M_GETHOUR:
        value = date.GetHour();
        break;
    case M_GETMINUTE:
        value = date.GetMinute();
        break;
    case M_GETSECOND:
        value = date.GetSecond();
        break;
    case M_GETDAYOFWEEK:
        value = date.GetDayOfWeek();
        break;
    default:
        value = date.GetDayOfYear();
        break;
    }
    m_pResultEntry->SetInteger(value);
}

void QZMethodExprStmt::SpanMethod(QZSymbol* object) {
    QZDateSpan span = object->GetSpan();
    switch (m_nOperation) {
    case M_GETDAYS:
        return m_pResultEntry->SetInteger(span.GetDays());
    case M_GETHOURS:
        return m_pResultEntry->SetInteger(span.GetHours());
    case M_GETMINUTES:
        return m_pResultEntry->SetInteger(span.GetMinutes());
    case M_GETSECONDS:
        return m_pResultEntry->SetInteger(span.GetSeconds());
    case M_GETTOTALDAYS:
        return m_pResultEntry->SetDouble(span.GetTotalDays());
    case M_GETTOTALHOURS:
        return m_pResultEntry->SetDouble(span.GetTotalHours());
    case M_GETTOTALMINUTES:
        return m_pResultEntry->SetDouble(span.GetTotalMinutes());
    case M_GETTOTALSECONDS:
        return m_pResultEntry->SetDouble(span.GetTotalSeconds());
    case M_GETYEARS:
        return m_pResultEntry->SetInteger(span.GetYears());
    case M_GETMONTHS:
        return m_pResultEntry->SetInteger(span.GetMonths());
    default:
        return m_pResultEntry->SetInteger(span.GetTotalMonths());
    }
}
