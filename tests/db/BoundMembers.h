#pragma once
// The bound members of a recordset reached by column name, as its field exchange names them, so
// that tests can fill and compare every column of any recordset class alike.

#include "platform/dao/CDaoFieldExchange.h"
#include "platform/dao/CDaoRecordset.h"
#include "platform/dao/DaoMember.h"

#include <map>
#include <string>
#include <vector>

std::vector<CDaoFieldExchange::Binding> Bindings(CDaoRecordset& set);

// Every bound member's value by column name.
std::map<std::string, DaoMemberValue> MemberValues(CDaoRecordset& set);

// The value of one bound member (fails the test when the set binds no such column).
DaoMemberValue MemberValue(CDaoRecordset& set, const std::string& column);
void SetMemberValue(CDaoRecordset& set, const std::string& column, const DaoMemberValue& value);

// Gives every bound member but the skipped ones a value of its kind that differs from column to
// column and from seed to seed, short enough for the narrowest text column (six characters);
// dates are valid whole seconds.
void FillMembers(CDaoRecordset& set, int seed, const std::vector<std::string>& skip);

// The value as text, for failure messages and comparisons with expected texts.
std::string ValueText(const DaoMemberValue& value);

// How the set's bindings differ from the catalog of the table: every column bound once under
// its own name with its own type (Text and Memo alike), and as many bindings as columns. Each
// difference is one line, "Column: what differs"; none when the bindings match.
std::vector<std::string> BindingDrift(CDaoRecordset& set, CDaoDatabase& db, const char* table);
