#include "platform/dao/DaoPlainSchema.h"

#include "platform/dao/DaoConnection.h"
#include "platform/dao/DaoConstants.h"
#include "platform/dao/DaoStatement.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

bool Has(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

// The first number in parentheses of a declaration ("VARCHAR(40)" gives 40), 0 without one.
LONG DeclaredSize(const std::string& declared) {
    size_t open = declared.find('(');
    return open == std::string::npos ? 0 : std::atol(declared.c_str() + open + 1);
}

bool IsVariable(short type) {
    return type == dbText || type == dbMemo || type == dbLongBinary;
}

struct PlainColumn {
    DaoColumnSchema column;
    int primaryPosition = 0; // position in the primary key from 1, 0 when not in it
    std::string declared;
};

} // namespace

// SQLite's affinity rules decide the kind of value a column holds; the common declarations
// are told apart further so that the system's code sees the types it expects.
short DaoPlainSchema::FieldType(std::string_view declared, LONG& size) {
    std::string type = Upper(declared);
    size = 0;
    if (Has(type, "BOOL") || type == "BIT")
        return dbBoolean;
    if (Has(type, "TINYINT"))
        return dbByte;
    if (Has(type, "SMALLINT"))
        return dbInteger;
    if (Has(type, "INT"))
        return dbLong;
    if (Has(type, "CHAR") || Has(type, "CLOB") || Has(type, "TEXT")) {
        size = Has(type, "TEXT") || Has(type, "CLOB") ? 0 : DeclaredSize(type);
        return size > 0 && size <= 255 ? dbText : dbMemo;
    }
    if (Has(type, "BLOB") || Has(type, "BINARY"))
        return dbLongBinary;
    if (Has(type, "DATE") || Has(type, "TIME"))
        return dbDate;
    if (Has(type, "MONEY") || Has(type, "CURRENCY"))
        return dbCurrency;
    if (Has(type, "REAL") || Has(type, "FLOA") || Has(type, "DOUB") || Has(type, "NUM") ||
        Has(type, "DEC"))
        return dbDouble;
    return dbMemo; // no declared type: whatever is stored, read as text
}

int64_t DaoPlainSchema::SchemaVersion(DaoConnection& connection) {
    DaoStatement statement(connection, "PRAGMA schema_version");
    return statement.Step() ? statement.ColumnInteger(0) : 0;
}

std::vector<DaoTableSchema> DaoPlainSchema::ReadTables(DaoConnection& connection) {
    std::vector<std::pair<std::string, bool>> names;
    {
        DaoStatement list(connection,
                          "SELECT name, wr FROM pragma_table_list WHERE schema = 'main' AND "
                          "type = 'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
        while (list.Step())
            names.emplace_back(list.Column(0).AsText(), list.ColumnInteger(1) != 0);
    }
    std::vector<DaoTableSchema> tables;
    for (const auto& [name, withoutRowid] : names)
        tables.push_back(ReadTable(connection, name, withoutRowid));
    return tables;
}

DaoTableSchema DaoPlainSchema::ReadTable(DaoConnection& connection, const std::string& name,
                                         bool withoutRowid) {
    DaoTableSchema table;
    table.name = name;
    std::vector<PlainColumn> columns;
    {
        DaoStatement info(connection, "SELECT name, type, \"notnull\", dflt_value, pk FROM "
                                      "pragma_table_info(?1) ORDER BY cid");
        info.Bind(1, DaoValue::Text(name));
        while (info.Step()) {
            PlainColumn plain;
            DaoColumnSchema& column = plain.column;
            column.name = info.Column(0).AsText();
            plain.declared = info.Column(1).AsText();
            column.type = FieldType(plain.declared, column.size);
            column.required = info.ColumnInteger(2) != 0;
            column.defaultValue = info.Column(3).AsText();
            column.allowZeroLength = column.IsText();
            column.collatingOrder = dbSortGeneral;
            column.attributes =
                (IsVariable(column.type) ? dbVariableField : dbFixedField) | dbUpdatableField;
            column.ordinal = static_cast<short>(columns.size());
            plain.primaryPosition = static_cast<int>(info.ColumnInteger(4));
            columns.push_back(std::move(plain));
        }
    }
    DaoIndexSchema primary;
    primary.name = "PrimaryKey";
    primary.primary = primary.unique = primary.required = true;
    std::vector<const PlainColumn*> keyed;
    for (const PlainColumn& plain : columns)
        if (plain.primaryPosition > 0)
            keyed.push_back(&plain);
    std::sort(keyed.begin(), keyed.end(), [](const PlainColumn* a, const PlainColumn* b) {
        return a->primaryPosition < b->primaryPosition;
    });
    for (const PlainColumn* plain : keyed)
        primary.fields.push_back({plain->column.name, false});
    // An INTEGER PRIMARY KEY of a rowid table is the row's number, which SQLite assigns.
    if (keyed.size() == 1 && !withoutRowid && Upper(keyed[0]->declared) == "INTEGER") {
        for (PlainColumn& plain : columns)
            if (&plain == keyed[0])
                plain.column.attributes |= dbAutoIncrField;
    }
    for (PlainColumn& plain : columns)
        table.columns.push_back(std::move(plain.column));
    if (!primary.fields.empty())
        table.indexes.push_back(std::move(primary));
    ReadIndexes(connection, table);
    return table;
}

// The other indexes of the table; the primary key's own index is already the first.
void DaoPlainSchema::ReadIndexes(DaoConnection& connection, DaoTableSchema& table) {
    std::vector<std::pair<std::string, bool>> indexes;
    {
        DaoStatement list(connection, "SELECT name, \"unique\" FROM pragma_index_list(?1) WHERE "
                                      "origin <> 'pk' ORDER BY seq DESC");
        list.Bind(1, DaoValue::Text(table.name));
        while (list.Step())
            indexes.emplace_back(list.Column(0).AsText(), list.ColumnInteger(1) != 0);
    }
    for (const auto& [name, unique] : indexes) {
        DaoIndexSchema index;
        index.name = name;
        index.unique = unique;
        DaoStatement fields(connection, "SELECT name, \"desc\" FROM pragma_index_xinfo(?1) "
                                        "WHERE key = 1 ORDER BY seqno");
        fields.Bind(1, DaoValue::Text(name));
        bool expression = false;
        while (fields.Step()) {
            if (fields.Column(0).IsNull())
                expression = true; // an index on an expression names no column
            else
                index.fields.push_back({fields.Column(0).AsText(), fields.ColumnInteger(1) != 0});
        }
        if (!expression && !index.fields.empty())
            table.indexes.push_back(std::move(index));
    }
}
