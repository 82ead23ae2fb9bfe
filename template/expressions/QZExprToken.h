#pragma once
// The token numbers of the expression lexer and the operator codes that tell the operators of
// one token apart. Identifiers, the word operators and the reserved words carry the keyword
// table's numbers (QZToken); the numbers here are the expression's own.

#include "template/parser/QZToken.h"

enum QZExprToken : int {
    TOK_INTEGER = 106,
    TOK_ADDOP = 107, // "+", or "-" after an operand
    TOK_MULOP = 108, // "*", "/" or "%"
    TOK_RELOP = 109, // "<", "<=", ">" or ">="
    TOK_EQOP = 110,  // "==" or "<>", and "=" where it compares
    TOK_COMMA = 113,
    TOK_ASSIGN = 114, // "=" or ":="
    TOK_LPAREN = 115,
    TOK_RPAREN = 116,
    TOK_FLOAT = 117,
    TOK_STRING = 118,
    TOK_UMINUS = 119, // "-" before an operand
    TOK_CARET = 120,
    TOK_KEY = 121,
    TOK_COLON = 123,
    TOK_CURRENCY = 124,
    TOK_DATE = 125,
    // Further operand kinds of reserved words, read as operands.
    TOK_RESERVED_OPERAND_FIRST = 127,
    TOK_RESERVED_OPERAND_LAST = 133,
    TOK_DOT = 134, // "." after an operand: member, index or method
    TOK_AMPERSAND = 135,
    TOK_SPAN = 137,
    TOK_DATESEP = 140, // "/" in literal mode
};

// Which operator of its token the current token is (the lexer's operator code).
enum QZOperatorCode : int {
    CODE_NONE = 0,   // constants, and a character that is no token
    CODE_SOLE = 100, // the one operator of its token, and a plain name
    CODE_NAME = 100,
    CODE_FIELD = 101, // an identifier in square brackets
    CODE_PLUS = 100,
    CODE_MINUS = 101,
    CODE_TIMES = 100,
    CODE_DIVIDE = 101,
    CODE_MODULO = 102,
    CODE_LESS = 100,
    CODE_LESS_EQUAL = 101,
    CODE_GREATER = 102,
    CODE_GREATER_EQUAL = 103,
    CODE_EQUAL = 100,
    CODE_NOT_EQUAL = 101,
    CODE_ASSIGN = 100,
    CODE_INITIALISE = 101, // ":=", and "=" where it only initialises
};
