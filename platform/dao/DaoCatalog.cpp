#include "platform/dao/DaoCatalog.h"

#include "platform/dao/CDaoException.h"
#include "platform/dao/DaoConnection.h"
#include "platform/dao/DaoConstants.h"
#include "platform/dao/DaoDateText.h"
#include "platform/dao/DaoDdl.h"
#include "platform/dao/DaoErrors.h"
#include "platform/dao/DaoStatement.h"
#include "platform/dao/DaoWriteScope.h"

#include "platform/core/OleDateMath.h"

#include <algorithm>
#include <cctype>
#include <ctime>

namespace {

std::string Folded(std::string_view name) {
    std::string out(name);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool NameLess(const std::string& a, const std::string& b) {
    return Folded(a) < Folded(b);
}

std::string NowText() {
    DATE now = 0;
    MQDateFromTime(std::time(nullptr), now);
    return DaoFormatDate(now);
}

DaoColumnSchema Column(const char* name, short type, bool required = false, LONG size = 0) {
    DaoColumnSchema column;
    column.name = name;
    column.type = type;
    column.size = type == dbText ? size : 0;
    column.attributes = (type == dbText || type == dbMemo) ? dbVariableField | dbUpdatableField
                                                           : dbFixedField | dbUpdatableField;
    column.required = required;
    column.allowZeroLength = type == dbText || type == dbMemo;
    column.collatingOrder = dbSortGeneral;
    return column;
}

DaoIndexSchema PrimaryKey(std::initializer_list<const char*> fields) {
    DaoIndexSchema index;
    index.name = "PrimaryKey";
    for (const char* field : fields)
        index.fields.push_back({field, false});
    index.primary = index.unique = index.required = true;
    return index;
}

DaoTableSchema SystemTable(const char* name, std::vector<DaoColumnSchema> columns,
                           DaoIndexSchema key) {
    DaoTableSchema table;
    table.name = name;
    table.attributes = dbSystemObject;
    table.columns = std::move(columns);
    for (size_t i = 0; i < table.columns.size(); ++i)
        table.columns[i].ordinal = static_cast<short>(i);
    table.indexes.push_back(std::move(key));
    return table;
}

std::string FieldsText(const DaoIndexSchema& index) {
    std::string text;
    for (const DaoIndexFieldSchema& field : index.fields)
        text += (text.empty() ? "" : ";") + std::string(field.descending ? "-" : "+") + field.name;
    return text;
}

std::vector<DaoIndexFieldSchema> ParseFields(const std::string& text) {
    std::vector<DaoIndexFieldSchema> fields;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(';', start);
        std::string item = text.substr(start, end == std::string::npos ? end : end - start);
        DaoIndexFieldSchema field;
        field.descending = !item.empty() && item[0] == '-';
        field.name = !item.empty() && (item[0] == '-' || item[0] == '+') ? item.substr(1) : item;
        fields.push_back(field);
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return fields;
}

// Both the INSERT and the UPDATE of a stored query's row number its columns the same way:
// name, SQL, type, connect string, returns-records flag, time of the change.
void BindQueryRow(DaoStatement& row, const DaoQuerySchema& query, const std::string& now) {
    row.Bind(1, DaoValue::Text(query.name));
    row.Bind(2, DaoValue::Text(query.sql));
    row.BindInteger(3, query.type);
    row.Bind(4, DaoValue::Text(query.connect));
    row.BindInteger(5, query.returnsRecords);
    row.Bind(6, DaoValue::Text(now));
}

} // namespace

DaoCatalog::DaoCatalog(DaoConnection& connection) : m_connection(connection) {}

const std::vector<DaoTableSchema>& DaoCatalog::SystemTables() {
    static const std::vector<DaoTableSchema> tables = {
        SystemTable("MSysMqColumns",
                    {Column("TableName", dbText, true, 255), Column("Name", dbText, true, 255),
                     Column("Ordinal", dbInteger, true), Column("Type", dbInteger, true),
                     Column("Size", dbLong, true), Column("Attributes", dbLong, true),
                     Column("Required", dbByte, true), Column("AllowZeroLength", dbByte, true),
                     Column("DefaultValue", dbMemo), Column("CollatingOrder", dbLong),
                     Column("ValidationRule", dbMemo), Column("ValidationText", dbMemo),
                     Column("NextValue", dbLong)},
                    PrimaryKey({"TableName", "Name"})),
        SystemTable("MSysMqIndexes",
                    {Column("TableName", dbText, true, 255), Column("Name", dbText, true, 255),
                     Column("Fields", dbMemo, true), Column("IsPrimary", dbByte, true),
                     Column("IsUnique", dbByte, true), Column("IsRequired", dbByte, true),
                     Column("IgnoreNulls", dbByte, true), Column("Clustered", dbByte, true),
                     Column("IsForeign", dbByte, true)},
                    PrimaryKey({"TableName", "Name"})),
        SystemTable("MSysMqProperties",
                    {Column("Name", dbText, true, 255), Column("Value", dbMemo)},
                    PrimaryKey({"Name"})),
        SystemTable("MSysMqQueries",
                    {Column("Name", dbText, true, 255), Column("SQL", dbMemo, true),
                     Column("Type", dbInteger, true), Column("Connect", dbMemo),
                     Column("ReturnsRecords", dbByte, true), Column("DateCreated", dbDate),
                     Column("LastUpdated", dbDate)},
                    PrimaryKey({"Name"})),
        SystemTable("MSysMqTables",
                    {Column("Name", dbText, true, 255), Column("Attributes", dbLong, true),
                     Column("SourceTable", dbMemo), Column("Connect", dbMemo),
                     Column("ValidationRule", dbMemo), Column("ValidationText", dbMemo),
                     Column("DateCreated", dbDate), Column("LastUpdated", dbDate)},
                    PrimaryKey({"Name"})),
    };
    return tables;
}

bool DaoCatalog::Exists(DaoConnection& connection) {
    DaoStatement statement(connection,
                           "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN "
                           "('MSysMqTables', 'MSysMqColumns', 'MSysMqIndexes', "
                           "'MSysMqQueries', 'MSysMqProperties')");
    return statement.Step() && statement.ColumnInteger(0) == 5;
}

void DaoCatalog::CreateCatalogTables(DaoConnection& connection, const std::string& locale) {
    DaoWriteScope scope(connection);
    for (const DaoTableSchema& table : SystemTables()) {
        connection.Exec(DaoDdl::CreateTable(table));
        for (const DaoIndexSchema& index : table.indexes)
            connection.Exec(DaoDdl::CreateIndex(table, index));
    }
    DaoStatement properties(connection,
                            "INSERT INTO \"MSysMqProperties\" (\"Name\", \"Value\") VALUES "
                            "('Locale', ?1), ('Generation', '1'), ('CatalogVersion', '1'), "
                            "('DateCreated', ?2)");
    properties.Bind(1, DaoValue::Text(locale));
    properties.Bind(2, DaoValue::Text(NowText()));
    properties.Run();
    scope.Commit();
}

void DaoCatalog::Clear() {
    m_tables.clear();
    m_queries.clear();
    m_tableIndex.clear();
    m_queryIndex.clear();
    m_locale.clear();
    m_loaded = false;
    Invalidate();
}

void DaoCatalog::Load() {
    if (m_connection.IsPlain())
        return LoadPlain();
    // One read transaction, so that the catalog is read as one consistent state.
    m_connection.Exec("SAVEPOINT MSysMqRead");
    try {
        m_dataVersion = ReadDataVersion();
        ReadTables();
        ReadColumns();
        ReadIndexes();
        ReadQueries();
        ReadProperties();
        m_connection.Exec("RELEASE MSysMqRead");
    } catch (...) {
        m_connection.Exec("ROLLBACK TO MSysMqRead; RELEASE MSysMqRead");
        Clear();
        throw;
    }
    BuildLookup();
    ++m_loads;
    m_loaded = true;
}

int64_t DaoCatalog::ReadDataVersion() {
    DaoStatement statement(m_connection, "PRAGMA data_version");
    return statement.Step() ? statement.ColumnInteger(0) : 0;
}

int64_t DaoCatalog::ReadStoredGeneration() {
    DaoStatement statement(m_connection, "SELECT CAST(\"Value\" AS INTEGER) FROM "
                                         "\"MSysMqProperties\" WHERE \"Name\" = 'Generation'");
    return statement.Step() ? statement.ColumnInteger(0) : 0;
}

// Another connection's commit changes the data version; only a change of the stored
// generation means that it changed the catalog.
void DaoCatalog::RefreshIfChanged() {
    if (!m_connection.IsOpen())
        return;
    if (!m_loaded) {
        Load();
        return;
    }
    if (m_connection.IsPlain())
        return RefreshPlain();
    int64_t dataVersion = ReadDataVersion();
    if (dataVersion == m_dataVersion)
        return;
    m_dataVersion = dataVersion;
    if (ReadStoredGeneration() != m_storedGeneration)
        Load();
}

void DaoCatalog::ReadTables() {
    m_tables = SystemTables();
    DaoStatement statement(m_connection,
                           "SELECT \"Name\", \"Attributes\", \"SourceTable\", \"Connect\", "
                           "\"ValidationRule\", \"ValidationText\", \"DateCreated\", "
                           "\"LastUpdated\" FROM \"MSysMqTables\"");
    while (statement.Step()) {
        DaoTableSchema table;
        table.name = statement.Column(0).AsText();
        table.attributes = static_cast<LONG>(statement.ColumnInteger(1));
        table.sourceTable = statement.Column(2).AsText();
        table.connect = statement.Column(3).AsText();
        table.validationRule = statement.Column(4).AsText();
        table.validationText = statement.Column(5).AsText();
        table.dateCreated = statement.Column(6).AsText();
        table.lastUpdated = statement.Column(7).AsText();
        m_tables.push_back(std::move(table));
    }
    std::sort(
        m_tables.begin(), m_tables.end(),
        [](const DaoTableSchema& a, const DaoTableSchema& b) { return NameLess(a.name, b.name); });
    BuildLookup();
}

void DaoCatalog::ReadColumns() {
    DaoStatement statement(m_connection,
                           "SELECT \"TableName\", \"Name\", \"Ordinal\", \"Type\", \"Size\", "
                           "\"Attributes\", \"Required\", \"AllowZeroLength\", \"DefaultValue\", "
                           "\"CollatingOrder\", \"ValidationRule\", \"ValidationText\" FROM "
                           "\"MSysMqColumns\" ORDER BY \"TableName\", \"Ordinal\"");
    while (statement.Step()) {
        auto found = m_tableIndex.find(Folded(statement.Column(0).AsText()));
        if (found == m_tableIndex.end())
            continue;
        DaoColumnSchema column;
        column.name = statement.Column(1).AsText();
        column.ordinal = static_cast<short>(statement.ColumnInteger(2));
        column.type = static_cast<short>(statement.ColumnInteger(3));
        column.size = static_cast<LONG>(statement.ColumnInteger(4));
        column.attributes = static_cast<LONG>(statement.ColumnInteger(5));
        column.required = statement.ColumnInteger(6) != 0;
        column.allowZeroLength = statement.ColumnInteger(7) != 0;
        column.defaultValue = statement.Column(8).AsText();
        column.collatingOrder = static_cast<LONG>(statement.ColumnInteger(9));
        column.validationRule = statement.Column(10).AsText();
        column.validationText = statement.Column(11).AsText();
        m_tables[found->second].columns.push_back(std::move(column));
    }
}

void DaoCatalog::ReadIndexes() {
    DaoStatement statement(m_connection,
                           "SELECT \"TableName\", \"Name\", \"Fields\", \"IsPrimary\", "
                           "\"IsUnique\", \"IsRequired\", \"IgnoreNulls\", \"Clustered\", "
                           "\"IsForeign\" FROM \"MSysMqIndexes\" ORDER BY rowid");
    while (statement.Step()) {
        auto found = m_tableIndex.find(Folded(statement.Column(0).AsText()));
        if (found == m_tableIndex.end())
            continue;
        DaoIndexSchema index;
        index.name = statement.Column(1).AsText();
        index.fields = ParseFields(statement.Column(2).AsText());
        index.primary = statement.ColumnInteger(3) != 0;
        index.unique = statement.ColumnInteger(4) != 0;
        index.required = statement.ColumnInteger(5) != 0;
        index.ignoreNulls = statement.ColumnInteger(6) != 0;
        index.clustered = statement.ColumnInteger(7) != 0;
        index.foreign = statement.ColumnInteger(8) != 0;
        m_tables[found->second].indexes.push_back(std::move(index));
    }
}

void DaoCatalog::ReadQueries() {
    m_queries.clear();
    DaoStatement statement(m_connection,
                           "SELECT \"Name\", \"SQL\", \"Type\", \"Connect\", \"ReturnsRecords\", "
                           "\"DateCreated\", \"LastUpdated\" FROM \"MSysMqQueries\"");
    while (statement.Step()) {
        DaoQuerySchema query;
        query.name = statement.Column(0).AsText();
        query.sql = statement.Column(1).AsText();
        query.type = static_cast<short>(statement.ColumnInteger(2));
        query.connect = statement.Column(3).AsText();
        query.returnsRecords = statement.ColumnInteger(4) != 0;
        query.dateCreated = statement.Column(5).AsText();
        query.lastUpdated = statement.Column(6).AsText();
        m_queries.push_back(std::move(query));
    }
    std::sort(
        m_queries.begin(), m_queries.end(),
        [](const DaoQuerySchema& a, const DaoQuerySchema& b) { return NameLess(a.name, b.name); });
}

void DaoCatalog::ReadProperties() {
    DaoStatement statement(m_connection, "SELECT \"Name\", \"Value\" FROM \"MSysMqProperties\"");
    while (statement.Step()) {
        std::string name = statement.Column(0).AsText();
        if (DaoNamesEqual(name, "Locale"))
            m_locale = statement.Column(1).AsText();
        else if (DaoNamesEqual(name, "Generation"))
            m_storedGeneration = statement.Column(1).AsInteger();
    }
}

void DaoCatalog::BuildLookup() {
    m_tableIndex.clear();
    for (size_t i = 0; i < m_tables.size(); ++i)
        m_tableIndex[Folded(m_tables[i].name)] = i;
    m_queryIndex.clear();
    for (size_t i = 0; i < m_queries.size(); ++i)
        m_queryIndex[Folded(m_queries[i].name)] = i;
}

const DaoTableSchema* DaoCatalog::FindTable(std::string_view name) const {
    auto found = m_tableIndex.find(Folded(name));
    return found == m_tableIndex.end() ? nullptr : &m_tables[found->second];
}

const DaoQuerySchema* DaoCatalog::FindQuery(std::string_view name) const {
    auto found = m_queryIndex.find(Folded(name));
    return found == m_queryIndex.end() ? nullptr : &m_queries[found->second];
}

void DaoCatalog::CheckNameFree(std::string_view name, bool forTable) const {
    if (FindTable(name) && forTable)
        CDaoException::Throw(daoErrTableExists,
                             "Table '" + CString(std::string(name)) + "' already exists.");
    if (FindTable(name) || FindQuery(name))
        CDaoException::Throw(daoErrObjectExists, "The database already has a table or stored "
                                                 "query named '" +
                                                     CString(std::string(name)) + "'.");
}

// After a change of our own: the stored generation moved on by one, the memory copy was
// changed in place.
void DaoCatalog::Changed() {
    ++m_storedGeneration;
    std::sort(
        m_tables.begin(), m_tables.end(),
        [](const DaoTableSchema& a, const DaoTableSchema& b) { return NameLess(a.name, b.name); });
    std::sort(
        m_queries.begin(), m_queries.end(),
        [](const DaoQuerySchema& a, const DaoQuerySchema& b) { return NameLess(a.name, b.name); });
    BuildLookup();
    ++m_loads;
}

void DaoCatalog::BumpGeneration() {
    m_connection.Exec("UPDATE \"MSysMqProperties\" SET \"Value\" = CAST(\"Value\" AS INTEGER) + "
                      "1 WHERE \"Name\" = 'Generation'");
}

void DaoCatalog::CreateTable(const DaoTableSchema& table) {
    RequireOwnCatalog();
    DaoWriteScope scope(m_connection);
    RefreshIfChanged();
    CheckNameFree(table.name, true);
    m_connection.Exec(DaoDdl::CreateTable(table));
    for (const std::string& trigger : DaoDdl::TableTriggers(table))
        m_connection.Exec(trigger);
    std::string now = NowText();
    {
        DaoStatement row(m_connection,
                         "INSERT INTO \"MSysMqTables\" (\"Name\", \"Attributes\", "
                         "\"SourceTable\", \"Connect\", \"ValidationRule\", \"ValidationText\", "
                         "\"DateCreated\", \"LastUpdated\") VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, "
                         "?7)");
        row.Bind(1, DaoValue::Text(table.name));
        row.BindInteger(2, table.attributes);
        row.Bind(3, DaoValue::Text(table.sourceTable));
        row.Bind(4, DaoValue::Text(table.connect));
        row.Bind(5, DaoValue::Text(table.validationRule));
        row.Bind(6, DaoValue::Text(table.validationText));
        row.Bind(7, DaoValue::Text(now));
        row.Run();
    }
    for (size_t i = 0; i < table.columns.size(); ++i) {
        const DaoColumnSchema& column = table.columns[i];
        DaoStatement row(m_connection,
                         "INSERT INTO \"MSysMqColumns\" (\"TableName\", \"Name\", \"Ordinal\", "
                         "\"Type\", \"Size\", \"Attributes\", \"Required\", \"AllowZeroLength\", "
                         "\"DefaultValue\", \"CollatingOrder\", \"ValidationRule\", "
                         "\"ValidationText\", \"NextValue\") VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, "
                         "?8, ?9, ?10, ?11, ?12, ?13)");
        row.Bind(1, DaoValue::Text(table.name));
        row.Bind(2, DaoValue::Text(column.name));
        row.BindInteger(3, static_cast<int64_t>(i));
        row.BindInteger(4, column.type);
        row.BindInteger(5, column.size);
        row.BindInteger(6, column.attributes);
        row.BindInteger(7, column.required ? 1 : 0);
        row.BindInteger(8, column.allowZeroLength ? 1 : 0);
        row.Bind(9, DaoValue::Text(column.defaultValue));
        row.BindInteger(10, column.collatingOrder);
        row.Bind(11, DaoValue::Text(column.validationRule));
        row.Bind(12, DaoValue::Text(column.validationText));
        row.Bind(13, column.IsAutoIncrement() ? DaoValue::Integer(1) : DaoValue());
        row.Run();
    }
    for (const DaoIndexSchema& index : table.indexes)
        MakeIndex(table, index);
    BumpGeneration();
    scope.Commit();
    DaoTableSchema added = table;
    added.dateCreated = added.lastUpdated = now;
    for (size_t i = 0; i < added.columns.size(); ++i)
        added.columns[i].ordinal = static_cast<short>(i);
    m_tables.push_back(std::move(added));
    Changed();
}

void DaoCatalog::DropTable(std::string_view name) {
    RequireOwnCatalog();
    DaoWriteScope scope(m_connection);
    RefreshIfChanged();
    const DaoTableSchema* table = FindTable(name);
    if (!table)
        CDaoException::Throw(daoErrItemNotFound, "There is no table named '" +
                                                     CString(std::string(name)) +
                                                     "' in the database.");
    if (table->IsSystem())
        CDaoException::Throw(daoErrInvalidOperation,
                             "The system table '" + CString(table->name) + "' cannot be deleted.");
    std::string tableName = table->name;
    m_connection.Exec("DROP TABLE IF EXISTS " + DaoDdl::QuoteName(tableName));
    for (const char* catalogTable : {"MSysMqTables", "MSysMqColumns", "MSysMqIndexes"}) {
        std::string column = std::string(catalogTable) == "MSysMqTables" ? "Name" : "TableName";
        DaoStatement row(m_connection, "DELETE FROM \"" + std::string(catalogTable) +
                                           "\" WHERE \"" + column + "\" = ?1");
        row.Bind(1, DaoValue::Text(tableName));
        row.Run();
    }
    BumpGeneration();
    scope.Commit();
    m_tables.erase(m_tables.begin() + static_cast<std::ptrdiff_t>(m_tableIndex[Folded(tableName)]));
    Changed();
}

void DaoCatalog::MakeIndex(const DaoTableSchema& table, const DaoIndexSchema& index) {
    if (index.fields.empty())
        CDaoException::Throw(daoErrNoFields, "Index '" + CString(index.name) + "' has no fields.");
    for (const DaoIndexFieldSchema& field : index.fields)
        if (!table.FindColumn(field.name))
            CDaoException::Throw(daoErrItemNotFound, "Index '" + CString(index.name) +
                                                         "' names the column '" +
                                                         CString(field.name) + "', which table '" +
                                                         CString(table.name) + "' has not.");
    m_connection.Exec(DaoDdl::CreateIndex(table, index));
    for (const std::string& trigger : DaoDdl::IndexTriggers(table, index))
        m_connection.Exec(trigger);
    InsertIndexRow(table.name, index);
}

void DaoCatalog::InsertIndexRow(const std::string& table, const DaoIndexSchema& index) {
    DaoStatement row(m_connection,
                     "INSERT INTO \"MSysMqIndexes\" (\"TableName\", \"Name\", \"Fields\", "
                     "\"IsPrimary\", \"IsUnique\", \"IsRequired\", \"IgnoreNulls\", "
                     "\"Clustered\", \"IsForeign\") VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)");
    row.Bind(1, DaoValue::Text(table));
    row.Bind(2, DaoValue::Text(index.name));
    row.Bind(3, DaoValue::Text(FieldsText(index)));
    row.BindInteger(4, index.primary);
    row.BindInteger(5, index.unique || index.primary);
    row.BindInteger(6, index.required || index.primary);
    row.BindInteger(7, index.ignoreNulls);
    row.BindInteger(8, index.clustered);
    row.BindInteger(9, index.foreign);
    row.Run();
}

void DaoCatalog::CreateIndex(std::string_view tableName, const DaoIndexSchema& index) {
    RequireOwnCatalog();
    DaoWriteScope scope(m_connection);
    RefreshIfChanged();
    const DaoTableSchema* table = FindTable(tableName);
    if (!table)
        CDaoException::Throw(daoErrItemNotFound, "There is no table named '" +
                                                     CString(std::string(tableName)) +
                                                     "' in the database.");
    if (table->FindIndex(index.name))
        CDaoException::Throw(daoErrIndexExists, "Table '" + CString(table->name) +
                                                    "' already has an index named '" +
                                                    CString(index.name) + "'.");
    if (index.primary)
        for (const DaoIndexSchema& other : table->indexes)
            if (other.primary)
                CDaoException::Throw(daoErrPrimaryKeyExists, "Table '" + CString(table->name) +
                                                                 "' already has a primary key.");
    MakeIndex(*table, index);
    BumpGeneration();
    scope.Commit();
    DaoIndexSchema added = index;
    added.unique = added.unique || added.primary;
    added.required = added.required || added.primary;
    m_tables[m_tableIndex[Folded(tableName)]].indexes.push_back(std::move(added));
    Changed();
}

void DaoCatalog::CreateQuery(const DaoQuerySchema& query) {
    RequireOwnCatalog();
    DaoWriteScope scope(m_connection);
    RefreshIfChanged();
    CheckNameFree(query.name, false);
    std::string now = NowText();
    DaoStatement row(m_connection,
                     "INSERT INTO \"MSysMqQueries\" (\"Name\", \"SQL\", \"Type\", \"Connect\", "
                     "\"ReturnsRecords\", \"DateCreated\", \"LastUpdated\") VALUES (?1, ?2, ?3, "
                     "?4, ?5, ?6, ?6)");
    BindQueryRow(row, query, now);
    row.Run();
    BumpGeneration();
    scope.Commit();
    DaoQuerySchema added = query;
    added.dateCreated = added.lastUpdated = now;
    m_queries.push_back(std::move(added));
    Changed();
}

void DaoCatalog::UpdateQuery(const DaoQuerySchema& query) {
    RequireOwnCatalog();
    DaoWriteScope scope(m_connection);
    RefreshIfChanged();
    if (!FindQuery(query.name))
        CDaoException::Throw(daoErrItemNotFound, "There is no stored query named '" +
                                                     CString(query.name) + "' in the database.");
    std::string now = NowText();
    DaoStatement row(m_connection, "UPDATE \"MSysMqQueries\" SET \"SQL\" = ?2, \"Type\" = ?3, "
                                   "\"Connect\" = ?4, \"ReturnsRecords\" = ?5, \"LastUpdated\" = "
                                   "?6 WHERE \"Name\" = ?1");
    BindQueryRow(row, query, now);
    row.Run();
    BumpGeneration();
    scope.Commit();
    DaoQuerySchema& stored = m_queries[m_queryIndex[Folded(query.name)]];
    stored.sql = query.sql;
    stored.type = query.type;
    stored.connect = query.connect;
    stored.returnsRecords = query.returnsRecords;
    stored.lastUpdated = now;
    Changed();
}

void DaoCatalog::DeleteQuery(std::string_view name) {
    RequireOwnCatalog();
    DaoWriteScope scope(m_connection);
    RefreshIfChanged();
    if (!FindQuery(name))
        CDaoException::Throw(daoErrItemNotFound, "There is no stored query named '" +
                                                     CString(std::string(name)) +
                                                     "' in the database.");
    DaoStatement row(m_connection, "DELETE FROM \"MSysMqQueries\" WHERE \"Name\" = ?1");
    row.Bind(1, DaoValue::Text(std::string(name)));
    row.Run();
    BumpGeneration();
    scope.Commit();
    m_queries.erase(m_queries.begin() + static_cast<std::ptrdiff_t>(m_queryIndex[Folded(name)]));
    Changed();
}
