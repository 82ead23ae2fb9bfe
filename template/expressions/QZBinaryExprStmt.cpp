#include "template/expressions/QZBinaryExprStmt.h"

#include "db/QZKeyCombo.h"
#include "template/expressions/QZExprContext.h"
#include "template/expressions/QZExprConvert.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

#include <cmath>

IMPLEMENT_DYNAMIC(QZBinaryExprStmt, QZUnaryExprStmt)

namespace {

using C = QZExprConvert;

enum : LONG {
    INT = QZSymbol::TYPE_INTEGER,
    CUR = QZSymbol::TYPE_CURRENCY,
    DBL = QZSymbol::TYPE_DOUBLE,
    DAT = QZSymbol::TYPE_DATE,
    STR = QZSymbol::TYPE_STRING,
    SPAN = QZSymbol::TYPE_SPAN,
};

bool IsNumber(const QZSymbol* entry) {
    return entry->GetType() == INT || entry->GetType() == DBL;
}

double AsDouble(const QZSymbol* entry) {
    return entry->GetType() == INT ? entry->GetInteger() : entry->GetDouble();
}

LONG AsInteger(const QZSymbol* entry) {
    return entry->GetType() == INT ? entry->GetInteger() : C::ToInteger(entry->GetDouble());
}

// TRUE for the types the operators have rules for.
bool HasValueType(const QZSymbol* entry) {
    switch (entry->GetType()) {
    case INT:
    case CUR:
    case DBL:
    case STR:
    case DAT:
    case SPAN:
        return true;
    default:
        return false;
    }
}

// Types as a pair, so that a rule reads as one case.
constexpr LONG Pair(LONG left, LONG right) {
    return left * 1000 + right;
}

template <typename T> BOOL Holds(int operation, const T& a, const T& b) {
    switch (operation) {
    case QZExprStmt::OP_EQ:
        return a == b;
    case QZExprStmt::OP_NE:
        return a != b;
    case QZExprStmt::OP_LT:
        return a < b;
    case QZExprStmt::OP_LE:
        return a <= b;
    case QZExprStmt::OP_GT:
        return a > b;
    default:
        return a >= b;
    }
}

BOOL HoldsText(int operation, const CString& a, const CString& b) {
    return Holds(operation, a.Compare(b), 0);
}

// The text a value compares as against a string; FALSE for the types that have none.
BOOL ComparableText(const QZSymbol* entry, CString& text) {
    switch (entry->GetType()) {
    case INT:
        text = C::IntegerText(entry->GetInteger());
        return TRUE;
    case CUR:
        text = C::CurrencyText(entry->GetCurrency());
        return TRUE;
    case DBL:
        text = C::DoubleText(entry->GetDouble());
        return TRUE;
    case STR:
        text = entry->GetString();
        return TRUE;
    default:
        return FALSE;
    }
}

// Pairs with a string: the number or currency compares as its text.
BOOL CompareAsText(int op, const QZSymbol* left, const QZSymbol* right, BOOL& holds) {
    CString leftText;
    CString rightText;
    if (!ComparableText(left, leftText) || !ComparableText(right, rightText))
        return FALSE;
    if (left->GetType() != STR && right->GetType() != STR)
        return FALSE;
    holds = HoldsText(op, leftText, rightText);
    return TRUE;
}

// The comparison of the operands by their pair of types; FALSE for a pair with no rule.
BOOL CompareByTypes(int op, const QZSymbol* left, const QZSymbol* right, BOOL& holds) {
    switch (Pair(left->GetType(), right->GetType())) {
    case Pair(INT, INT):
        holds = Holds(op, left->GetInteger(), right->GetInteger());
        return TRUE;
    case Pair(INT, DBL):
    case Pair(DBL, INT):
    case Pair(DBL, DBL):
        holds = Holds(op, AsDouble(left), AsDouble(right));
        return TRUE;
    case Pair(INT, CUR):
        holds = Holds(op, C::FromInteger(left->GetInteger()), right->GetCurrency());
        return TRUE;
    case Pair(CUR, INT):
        holds = Holds(op, left->GetCurrency(), C::FromInteger(right->GetInteger()));
        return TRUE;
    case Pair(CUR, CUR):
        holds = Holds(op, left->GetCurrency(), right->GetCurrency());
        return TRUE;
    case Pair(CUR, DBL):
        holds = Holds(op, left->GetCurrency(), C::FromDouble(right->GetDouble()));
        return TRUE;
    case Pair(DBL, CUR):
        holds = Holds(op, C::FromDouble(left->GetDouble()), right->GetCurrency());
        return TRUE;
    case Pair(DAT, DAT):
        holds = Holds(op, left->GetDate(), right->GetDate());
        return TRUE;
    case Pair(SPAN, SPAN):
        holds = Holds(op, left->GetSpan(), right->GetSpan());
        return TRUE;
    default:
        return CompareAsText(op, left, right, holds);
    }
}

// What a comparison with no rule for its pair reports, by the left operand's type; null for
// a left type with no rule at all.
LPCTSTR IncomparableMessage(LONG leftType, bool equality) {
    switch (leftType) {
    case INT:
        return equality ? "can't compare integer %s and %s" : "can't compare %s and %s";
    case CUR:
        return "can't compare currency %s with %s";
    case DBL:
        return equality ? "can't compare floating-point number %s and %s"
                        : "can't compare %s and %s";
    case DAT:
        return "can't compare date %s with %s";
    case STR:
        return "can't compare %s and %s";
    case SPAN:
        return "can't compare timespan %s with %s";
    default:
        return nullptr;
    }
}

// double ^ integer by repeated multiplication (or division for a negative exponent); very
// large exponents go to the power function, which ends where the repetition would.
double RaiseByRepetition(double base, LONG exponent) {
    constexpr LONG kRepetitions = 1024;
    if (exponent > kRepetitions || exponent < -kRepetitions)
        return std::pow(base, static_cast<double>(exponent));
    if (exponent > 0) {
        double value = base;
        for (LONG i = 1; i < exponent; i++)
            value *= base;
        return value;
    }
    double value = 1.0 / base;
    for (LONG i = 1; i < -exponent; i++)
        value /= base;
    return value;
}

} // namespace

QZBinaryExprStmt::QZBinaryExprStmt(QZExprContext* context, int operation, QZSymbol* left,
                                   QZSymbol* right, QZSymbol* result)
    : QZUnaryExprStmt(context, operation, left, result), m_pRight(right) {}

void QZBinaryExprStmt::Execute() {
    QZSymbol* result = nullptr;
    QZSymbol* left = nullptr;
    QZSymbol* right = nullptr;
    if (TakeOperands(result, left, right))
        Apply(result, left, right);
}

// The common steps before any operator: references followed for this run, operands that must
// have a value, and no object key on either side. FALSE when the statement is done.
BOOL QZBinaryExprStmt::TakeOperands(QZSymbol*& result, QZSymbol*& left, QZSymbol*& right) {
    if (m_pResultEntry == nullptr || m_pOperand == nullptr || m_pRight == nullptr) {
        Error("invalid operand in binary expression");
        return FALSE;
    }
    // The index or member operator writes its own result entry over whatever it held.
    result = m_nOperation == OP_MEMBER ? m_pResultEntry : Follow(m_pResultEntry);
    left = Follow(m_pOperand);
    right = Follow(m_pRight);
    if (result == nullptr || left == nullptr || right == nullptr) {
        Error("invalid operand in binary expression");
        return FALSE;
    }
    if (m_nOperation != OP_MEMBER && (!CheckValue(left) || !CheckValue(right))) {
        SetErrorValue(result);
        return FALSE;
    }
    for (QZSymbol* side : {left, right}) {
        if (side->GetType() == QZSymbol::TYPE_KEY) {
            Error("can not perform binary operation on key %s=%s", side->GetName(),
                  side->GetKey().FormatFull());
            SetErrorValue(result);
            return FALSE;
        }
    }
    return TRUE;
}

void QZBinaryExprStmt::Apply(QZSymbol* result, QZSymbol* left, QZSymbol* right) {
    // Operand types without a rule leave no value, rather than the value of an earlier run.
    if (m_nOperation != OP_MEMBER)
        result->SetType(QZSymbol::TYPE_NULL);
    switch (m_nOperation) {
    case OP_ADD:
        return Add(result, left, right);
    case OP_SUB:
        return Subtract(result, left, right);
    case OP_MUL:
        return Multiply(result, left, right);
    case OP_DIV:
        return Divide(result, left, right);
    case OP_MOD:
        return Modulo(result, left, right);
    case OP_EQ:
    case OP_NE:
    case OP_LT:
    case OP_LE:
    case OP_GT:
    case OP_GE:
        return Compare(result, left, right);
    case OP_AND:
        return result->SetInteger(left->IsTrue() && right->IsTrue() ? 1 : 0);
    case OP_OR:
        return result->SetInteger(left->IsTrue() || right->IsTrue() ? 1 : 0);
    case OP_POWER:
        return Power(result, left, right);
    case OP_KEY:
        return KeyPair(result, left, right);
    case OP_MEMBER:
        return IndexOrMember(result, left, right);
    default:
        break;
    }
}

void QZBinaryExprStmt::Fail(LPCTSTR format, QZSymbol* result, QZSymbol* left, QZSymbol* right) {
    Error(format, left->GetName(), right->GetName());
    SetErrorValue(result);
}

void QZBinaryExprStmt::DivideByZero(QZSymbol* result, BOOL currency) {
    Error("can't divide by zero");
    if (currency)
        result->SetCurrency(COleCurrency());
    else
        result->SetDouble(0.0);
}

void QZBinaryExprStmt::SetJoined(QZSymbol* result, const CString& first, const CString& second,
                                 QZSymbol* left, QZSymbol* right) {
    if (first.GetLength() > kMaxStringLength - second.GetLength()) {
        Fail("string result of %s and %s is too long", result, left, right);
        return;
    }
    result->SetString(first + second);
}

void QZBinaryExprStmt::SetRepeated(QZSymbol* result, const CString& text, LONG count, BOOL reverse,
                                   QZSymbol* left, QZSymbol* right) {
    long long times = count < 0 ? -static_cast<long long>(count) : count;
    if (times > 0 && text.GetLength() > kMaxStringLength / times) {
        Fail("string result of %s and %s is too long", result, left, right);
        return;
    }
    CString unit = reverse ? C::Reversed(text) : text;
    std::string repeated;
    repeated.reserve(unit.str().size() * times);
    for (long long i = 0; i < times; i++)
        repeated += unit.str();
    result->SetString(CString(std::move(repeated)));
}

void QZBinaryExprStmt::Add(QZSymbol* result, QZSymbol* left, QZSymbol* right) {
    switch (Pair(left->GetType(), right->GetType())) {
    case Pair(INT, INT):
        return result->SetInteger(C::WrapAdd(left->GetInteger(), right->GetInteger()));
    case Pair(INT, CUR):
        return result->SetCurrency(C::FromInteger(left->GetInteger()) + right->GetCurrency());
    case Pair(INT, DBL):
    case Pair(DBL, INT):
    case Pair(DBL, DBL):
        return result->SetDouble(AsDouble(left) + AsDouble(right));
    case Pair(INT, STR):
        return SetJoined(result, C::IntegerText(left->GetInteger()), right->GetString(), left,
                         right);
    case Pair(CUR, INT):
        return result->SetCurrency(left->GetCurrency() + C::FromInteger(right->GetInteger()));
    case Pair(CUR, CUR):
        return result->SetCurrency(left->GetCurrency() + right->GetCurrency());
    case Pair(CUR, DBL):
        return result->SetCurrency(left->GetCurrency() + C::FromDouble(right->GetDouble()));
    case Pair(CUR, STR):
        return SetJoined(result, C::CurrencyText(left->GetCurrency()), right->GetString(), left,
                         right);
    case Pair(DBL, CUR):
        return result->SetCurrency(C::FromDouble(left->GetDouble()) + right->GetCurrency());
    case Pair(DBL, STR):
        return SetJoined(result, C::DoubleText(left->GetDouble()), right->GetString(), left, right);
    case Pair(STR, INT):
        return SetJoined(result, left->GetString(), C::IntegerText(right->GetInteger()), left,
                         right);
    case Pair(STR, CUR):
        return SetJoined(result, left->GetString(), C::CurrencyText(right->GetCurrency()), left,
                         right);
    case Pair(STR, DBL):
        return SetJoined(result, left->GetString(), C::DoubleText(right->GetDouble()), left, right);
    case Pair(STR, STR):
        return SetJoined(result, left->GetString(), right->GetString(), left, right);
    case Pair(DAT, SPAN):
        return result->SetDate(right->GetSpan().AddToDate(left->GetDate()));
    case Pair(SPAN, DAT):
        return result->SetDate(left->GetSpan().AddToDate(right->GetDate()));
    case Pair(SPAN, SPAN):
        return result->SetSpan(left->GetSpan() + right->GetSpan());
    default:
        break;
    }
    // A left operand of a type with no rule gives no error.
    if (HasValueType(left))
        Fail("can't add %s and %s", result, left, right);
}

void QZBinaryExprStmt::Subtract(QZSymbol* result, QZSymbol* left, QZSymbol* right) {
    switch (Pair(left->GetType(), right->GetType())) {
    case Pair(INT, INT):
        return result->SetInteger(C::WrapSubtract(left->GetInteger(), right->GetInteger()));
    case Pair(INT, CUR):
        return result->SetCurrency(C::FromInteger(left->GetInteger()) - right->GetCurrency());
    case Pair(INT, DBL):
    case Pair(DBL, INT):
    case Pair(DBL, DBL):
        return result->SetDouble(AsDouble(left) - AsDouble(right));
    case Pair(INT, STR):
        return SetJoined(result, C::IntegerText(left->GetInteger()),
                         C::Reversed(right->GetString()), left, right);
    case Pair(CUR, INT):
        return result->SetCurrency(left->GetCurrency() - C::FromInteger(right->GetInteger()));
    case Pair(CUR, CUR):
        return result->SetCurrency(left->GetCurrency() - right->GetCurrency());
    case Pair(CUR, DBL):
        return result->SetCurrency(left->GetCurrency() - C::FromDouble(right->GetDouble()));
    case Pair(DBL, CUR):
        return result->SetCurrency(C::FromDouble(left->GetDouble()) - right->GetCurrency());
    case Pair(DBL, STR):
        return SetJoined(result, C::DoubleText(left->GetDouble()), C::Reversed(right->GetString()),
                         left, right);
    case Pair(STR, INT):
        return SetJoined(result, left->GetString(),
                         C::Reversed(C::IntegerText(right->GetInteger())), left, right);
    case Pair(STR, DBL):
        return SetJoined(result, left->GetString(), C::Reversed(C::DoubleText(right->GetDouble())),
                         left, right);
    case Pair(STR, STR):
        return SetJoined(result, left->GetString(), C::Reversed(right->GetString()), left, right);
    case Pair(DAT, DAT):
        return result->SetSpan(QZDateSpan(left->GetDate() - right->GetDate()));
    case Pair(DAT, SPAN):
        return result->SetDate(right->GetSpan().SubtractFromDate(left->GetDate()));
    case Pair(SPAN, SPAN):
        return result->SetSpan(left->GetSpan() - right->GetSpan());
    default:
        break;
    }
    if (HasValueType(left))
        Fail("can't subtract %s and %s", result, left, right);
}

void QZBinaryExprStmt::Multiply(QZSymbol* result, QZSymbol* left, QZSymbol* right) {
    LONG leftType = left->GetType();
    if (leftType != INT && leftType != CUR && leftType != DBL && leftType != STR)
        return; // no rule for the left operand's type
    switch (Pair(leftType, right->GetType())) {
    case Pair(INT, INT):
        return result->SetInteger(C::WrapMultiply(left->GetInteger(), right->GetInteger()));
    case Pair(INT, CUR):
        return result->SetCurrency(right->GetCurrency() * left->GetInteger());
    case Pair(INT, DBL):
    case Pair(DBL, INT):
    case Pair(DBL, DBL):
        return result->SetDouble(AsDouble(left) * AsDouble(right));
    case Pair(CUR, INT):
        return result->SetCurrency(left->GetCurrency() * right->GetInteger());
    case Pair(CUR, DBL):
        return result->SetCurrency(C::Multiply(left->GetCurrency(), right->GetDouble()));
    case Pair(DBL, CUR):
        return result->SetCurrency(C::Multiply(right->GetCurrency(), left->GetDouble()));
    case Pair(INT, STR):
    case Pair(DBL, STR):
        return SetRepeated(result, right->GetString(), AsInteger(left), AsDouble(left) < 0.0, left,
                           right);
    case Pair(STR, INT):
    case Pair(STR, DBL):
        return SetRepeated(result, left->GetString(), AsInteger(right), AsDouble(right) < 0.0, left,
                           right);
    case Pair(STR, STR):
        return Fail("can't multiply string %s and string %s", result, left, right);
    default:
        return Fail("can't multiply %s and %s", result, left, right);
    }
}

void QZBinaryExprStmt::Divide(QZSymbol* result, QZSymbol* left, QZSymbol* right) {
    LONG leftType = left->GetType();
    LONG rightType = right->GetType();
    if (leftType != INT && leftType != CUR && leftType != DBL && leftType != STR)
        return; // no rule for the left operand's type
    if (rightType != INT && rightType != CUR && rightType != DBL && rightType != STR)
        return Fail("can't divide %s and %s", result, left, right);
    switch (Pair(leftType, rightType)) {
    case Pair(INT, INT):
    case Pair(INT, DBL):
    case Pair(DBL, INT):
    case Pair(DBL, DBL):
        if (AsDouble(right) == 0.0)
            return DivideByZero(result, FALSE);
        return result->SetDouble(AsDouble(left) / AsDouble(right));
    case Pair(CUR, INT):
    case Pair(CUR, CUR):
    case Pair(CUR, DBL):
        return DivideCurrency(result, left, right);
    case Pair(INT, STR):
        return Fail("can't divide integer %s and string %s", result, left, right);
    case Pair(DBL, STR):
        return Fail("can't divide floating-point number %s and string %s", result, left, right);
    case Pair(STR, INT):
        return Fail("can't divide string %s and integer %s", result, left, right);
    case Pair(STR, DBL):
        return Fail("can't divide string %s and floating-point number %s", result, left, right);
    case Pair(STR, STR):
        return Fail("can't divide string %s and string %s", result, left, right);
    default:
        return Fail("can't divide %s and %s", result, left, right);
    }
}

void QZBinaryExprStmt::DivideCurrency(QZSymbol* result, QZSymbol* left, QZSymbol* right) {
    COleCurrency amount = left->GetCurrency();
    switch (right->GetType()) {
    case INT:
        if (right->GetInteger() == 0)
            return DivideByZero(result, TRUE);
        return result->SetCurrency(amount / right->GetInteger());
    case DBL:
        if (right->GetDouble() == 0.0)
            return DivideByZero(result, TRUE);
        return result->SetCurrency(C::Divide(amount, right->GetDouble()));
    default: {
        COleCurrency divisor = right->GetCurrency();
        if (amount.GetStatus() != COleCurrency::valid || divisor.GetStatus() != COleCurrency::valid)
            return Fail("can't divide invalid currency objects", result, left, right);
        if (divisor.m_cur.int64 == 0)
            return DivideByZero(result, FALSE);
        return result->SetDouble((amount.m_cur.int64 * 0.0001) / (divisor.m_cur.int64 * 0.0001));
    }
    }
}

void QZBinaryExprStmt::Modulo(QZSymbol* result, QZSymbol* left, QZSymbol* right) {
    LONG leftType = left->GetType();
    LONG rightType = right->GetType();
    if (leftType == STR) {
        if (rightType == INT)
            return Fail("can't mod string %s and integer %s", result, left, right);
        if (rightType == DBL)
            return Fail("can't mod string %s and floating-point number %s", result, left, right);
        if (rightType == STR)
            return Fail("can't mod string %s and string %s", result, left, right);
        return Fail("can't mod %s and %s", result, left, right);
    }
    if (leftType != INT && leftType != DBL)
        return; // no rule for the left operand's type
    if (rightType == STR)
        return Fail(leftType == INT ? "can't mod integer %s and string %s"
                                    : "can't mod floating-point number %s and string %s",
                    result, left, right);
    if (rightType != INT && rightType != DBL)
        return Fail("can't mod %s and %s", result, left, right);
    LONG dividend = AsInteger(left);
    LONG divisor = AsInteger(right);
    BOOL integer = leftType == INT && rightType == INT;
    if (divisor == 0) {
        Error("can't divide by zero");
        return integer ? result->SetInteger(0) : result->SetDouble(0.0);
    }
    // The smallest integer by -1 is 0, without the division that would trap.
    LONG remainder = divisor == -1 ? 0 : dividend % divisor;
    if (integer)
        result->SetInteger(remainder);
    else
        result->SetDouble(remainder);
}

void QZBinaryExprStmt::Compare(QZSymbol* result, QZSymbol* left, QZSymbol* right) {
    BOOL holds = FALSE;
    if (!CompareByTypes(m_nOperation, left, right, holds)) {
        LPCTSTR format = IncomparableMessage(left->GetType(), m_nOperation == OP_EQ);
        if (format == nullptr)
            return; // no rule for the left operand's type
        // A failed comparison is false, not the error value.
        Error(format, left->GetName(), right->GetName());
    }
    result->SetInteger(holds ? 1 : 0);
}

void QZBinaryExprStmt::Power(QZSymbol* result, QZSymbol* left, QZSymbol* right) {
    if (!IsNumber(left) || !IsNumber(right))
        return Fail("can't exponentiate %s and %s", result, left, right);
    if (right->GetType() == DBL)
        return result->SetDouble(std::pow(AsDouble(left), right->GetDouble()));
    LONG exponent = right->GetInteger();
    if (left->GetType() == INT) {
        LONG base = left->GetInteger();
        if (exponent == 0)
            return result->SetInteger(1);
        if (exponent < 0 || base == 0)
            return result->SetInteger(0);
        return result->SetInteger(exponent == 1 ? base : C::WrapPower(base, exponent));
    }
    double base = left->GetDouble();
    if (exponent == 0)
        return result->SetDouble(1.0);
    if (base == 0.0)
        return result->SetDouble(0.0);
    result->SetDouble(RaiseByRepetition(base, exponent));
}

void QZBinaryExprStmt::KeyPair(QZSymbol* result, QZSymbol* left, QZSymbol* right) {
    if (IsNumber(left) && IsNumber(right))
        return result->SetKey(QZKeyCombo(AsInteger(left), AsInteger(right)));
    switch (left->GetType()) {
    case INT:
    case DBL:
        return Fail("can't use operator : on %s and %s", result, left, right);
    case CUR:
        return Fail("can't use operator : on currency %s and %s", result, left, right);
    case DAT:
        return Fail("can't use operator : on date %s and %s", result, left, right);
    case STR:
        return Fail("can't use operator : on string %s and %s", result, left, right);
    case SPAN:
        return Fail("can't use operator : on timespan %s and %s", result, left, right);
    default:
        break; // no rule for the left operand's type
    }
}

void QZBinaryExprStmt::IndexOrMember(QZSymbol* result, QZSymbol* left, QZSymbol* right) {
    // A constant or a reserved word is never turned into an array or a record.
    if (!IsVariable(left)) {
        Error("left-hand side %s is read-only", left->GetName());
        return SetErrorValue(result);
    }
    if (IsNumber(right)) {
        LONG index = AsInteger(right);
        if (index < 1)
            return Fail("invalid array index %s", result, left, right);
        if (index > kMaxArrayIndex) {
            Error("array index %s of %s is too large", C::IntegerText(index), left->GetName());
            return SetErrorValue(result);
        }
        // An array never becomes a record or the reverse: their entries may still be in use
        // by the statements that follow.
        if (left->GetType() == QZSymbol::TYPE_RECORD)
            return Fail("record %s can't be indexed", result, left, right);
        QZSymbol* element = left->MakeArray()->GetElement(index, TRUE);
        if (element->GetName().IsEmpty())
            element->SetName(C::IntegerText(index));
        return result->SetReference(element);
    }
    CString name = right->GetName();
    if (name.IsEmpty())
        return Fail("illegal record member", result, left, right);
    if (left->GetType() == QZSymbol::TYPE_ARRAY)
        return Fail("array %s has no member %s", result, left, right);
    result->SetReference(left->MakeRecord()->Define(name, FALSE));
}
