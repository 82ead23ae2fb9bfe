#pragma once
// What an open CDaoRecordset holds besides its public members: the cursor, the bound fields
// with their cached values and marks, the edit buffer and the values kept for AddNew.

#include "platform/dao/CDaoFieldExchange.h"
#include "platform/dao/DaoCursor.h"
#include "platform/dao/DaoMember.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class CDaoDatabase;

struct DaoBoundField {
    CDaoFieldExchange::Binding binding;
    int column = -1;
    DaoMemberValue cached; // the member's value when the row was read
    bool null = false;     // the row's value was Null (or SetFieldNull made it so)
    int dirty = -1;        // -1 dirty when changed, 0 marked clean, 1 marked dirty
};

struct DaoRecordsetState {
    CDaoDatabase* database = nullptr; // the database the recordset is open on
    std::unique_ptr<CDaoDatabase> ownDatabase;
    std::shared_ptr<const DaoSqlPlan> plan;
    std::unique_ptr<DaoCursor> cursor;
    std::vector<DaoBoundField> fields;
    std::vector<CDaoFieldExchange::Binding> outputs; // as DoFieldExchange named them
    std::vector<CDaoFieldExchange::Binding> params;
    bool bound = false;                           // DoFieldExchange has been asked
    std::shared_ptr<const DaoSqlPlan> mappedPlan; // the plan `fields` were matched with
    std::vector<int> fieldOfColumn;               // bound field of each result column, or -1
    std::vector<DaoValue> parameters;
    std::vector<DaoValue> editRow; // unbound columns while an edit or add is under way
    std::vector<bool> editDirty;
    std::vector<DaoBoundField> savedFields; // members and marks before AddNew
    std::vector<DaoMemberValue> savedValues;
    std::optional<int64_t> lastModified;
    short editMode = 0;
    int openType = 0;
    bool updatable = false;
    std::string name;
    std::string sql;
};
