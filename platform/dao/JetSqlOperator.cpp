#include "platform/dao/JetSqlOperator.h"

#include <cctype>

std::string_view JetOperatorText(JetOperator op) {
    switch (op) {
    case JetOperator::Or:
        return "OR";
    case JetOperator::And:
        return "AND";
    case JetOperator::Not:
        return "NOT";
    case JetOperator::Equal:
        return "=";
    case JetOperator::NotEqual:
        return "<>";
    case JetOperator::Less:
        return "<";
    case JetOperator::Greater:
        return ">";
    case JetOperator::LessOrEqual:
        return "<=";
    case JetOperator::GreaterOrEqual:
        return ">=";
    case JetOperator::Concat:
        return "&";
    case JetOperator::Plus:
        return "+";
    case JetOperator::Minus:
        return "-";
    case JetOperator::Multiply:
        return "*";
    case JetOperator::Divide:
        return "/";
    case JetOperator::IntegerDivide:
        return "\\";
    case JetOperator::Modulo:
        return "MOD";
    case JetOperator::Power:
        return "^";
    }
    return "";
}

bool IsWordOperator(JetOperator op) {
    return std::isalpha(static_cast<unsigned char>(JetOperatorText(op).front())) != 0;
}
