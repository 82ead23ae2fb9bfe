#pragma once
// The reserved words of the template language with their token numbers: command words,
// constants, operators, built-in variables, functions and methods, in the order they are
// entered into a keyword table.

#include "platform/core/Types.h"

class SymbolTable;

class QZKeywordTable {
public:
    // The values of the alignment words.
    enum : LONG {
        ALIGN_LEFT = 1,
        ALIGN_TOP = 2,
        ALIGN_RIGHT = 3,
        ALIGN_BOTTOM = 4,
        ALIGN_MIDDLE = 5
    };

    struct Row {
        LPCTSTR word;
        int token;
        bool valued; // the entry also carries an integer value
        LONG value;
    };

    // Enters every row into the table: an entry named by the word whose kind is the token,
    // with its integer value when it has one.
    static void Fill(SymbolTable& table);
    static const Row* GetRows(int& count);
    // The command word of a token number, for messages; null when the table has none.
    static LPCTSTR FindWord(int token);
};
