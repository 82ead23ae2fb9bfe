#include "platform/dao/CDaoQueryDef.h"

#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/DaoCatalog.h"
#include "platform/dao/DaoConnection.h"
#include "platform/dao/DaoConvert.h"
#include "platform/dao/DaoCursor.h"
#include "platform/dao/DaoErrors.h"
#include "platform/dao/DaoSqlPlanner.h"
#include "platform/dao/DaoStatement.h"
#include "platform/dao/DaoWriteScope.h"

IMPLEMENT_DYNAMIC(CDaoQueryDef, CObject)

namespace {

CString Unbracketed(LPCTSTR name) {
    CString text(name ? name : "");
    text.Trim();
    if (text.GetLength() >= 2 && text.GetAt(0) == '[' && text.GetAt(text.GetLength() - 1) == ']')
        text = text.Mid(1, text.GetLength() - 2);
    return text;
}

[[noreturn]] void NoSuchParameter(const CString& what) {
    CDaoException::Throw(daoErrItemNotFound, "The query has no parameter " + what + ".",
                         "DAO.Parameters");
}

} // namespace

CDaoQueryDef::CDaoQueryDef(CDaoDatabase* pDatabase) : m_pDatabase(pDatabase) {}

CDaoQueryDef::~CDaoQueryDef() {
    CDaoQueryDef::Close();
}

void CDaoQueryDef::RequireOpen() const {
    if (!m_open)
        CDaoException::Throw(daoErrObjectClosed, "The query definition is not open.",
                             "DAO.QueryDef");
}

// A pass-through query's text is for the database server named by its connect string; the
// files of this system are served by no server, so such a query is never run or planned.
void CDaoQueryDef::RequireLocalQuery() {
    if (GetType() != dbQSQLPassThrough)
        return;
    CString query = m_strName.IsEmpty() ? CString("the query") : "the query '" + m_strName + "'";
    CDaoException::Throw(daoErrOdbcCallFailed,
                         "ODBC--call failed: " + query +
                             " is a pass-through query for a database server (" + m_strConnect +
                             "), and there is no server to run it.",
                         "DAO.QueryDef");
}

void CDaoQueryDef::Create(LPCTSTR lpszName, LPCTSTR lpszSQL) {
    Close();
    m_pDatabase->Connection(); // 3420 on a closed database
    m_strName = lpszName ? lpszName : "";
    m_strSQL = lpszSQL ? lpszSQL : "";
    m_strConnect.Empty();
    m_bReturnsRecords = TRUE;
    m_generation = 0;
    m_dateCreated.clear();
    m_dateLastUpdated.clear();
    m_open = true;
    m_stored = false;
    m_pDatabase->AddDependent(this, [this] { Close(); });
}

// The catalog as last loaded answers at once; a name it does not know is looked up again in
// the file, since another program may have stored it meanwhile. A text changed by another
// program is read again when a recordset opens on the query or it runs (Plan).
void CDaoQueryDef::Open(LPCTSTR lpszName) {
    Close();
    DaoConnection& connection = m_pDatabase->Connection();
    const DaoQuerySchema* query = connection.loadedCatalog().FindQuery(lpszName ? lpszName : "");
    if (!query)
        query = connection.catalog().FindQuery(lpszName ? lpszName : "");
    if (!query)
        CDaoException::Throw(daoErrItemNotFound,
                             CString("There is no stored query named '") +
                                 (lpszName ? lpszName : "") + "' in the database.",
                             "DAO.QueryDef");
    m_strName = query->name;
    m_strSQL = query->sql;
    m_strConnect = query->connect;
    m_bReturnsRecords = query->returnsRecords;
    m_dateCreated = query->dateCreated;
    m_dateLastUpdated = query->lastUpdated;
    m_generation = connection.loadedCatalog().generation();
    m_open = true;
    m_stored = true;
    m_pDatabase->AddDependent(this, [this] { Close(); });
}

void CDaoQueryDef::Append() {
    RequireOpen();
    if (m_strName.IsEmpty())
        CDaoException::Throw(daoErrInvalidOperation, "A query without a name cannot be stored.",
                             "DAO.QueryDef");
    if (m_stored)
        CDaoException::Throw(daoErrObjectExists,
                             "The stored query '" + m_strName + "' exists already.",
                             "DAO.QueryDef");
    DaoQuerySchema query;
    query.name = m_strName.str();
    query.sql = m_strSQL.str();
    query.connect = m_strConnect.str();
    query.returnsRecords = m_bReturnsRecords != FALSE;
    query.type = DaoSqlPlanner::QueryType(query.sql);
    DaoCatalog& catalog = m_pDatabase->Connection().catalog();
    catalog.CreateQuery(query);
    const DaoQuerySchema* stored = catalog.FindQuery(query.name);
    m_dateCreated = stored->dateCreated;
    m_dateLastUpdated = stored->lastUpdated;
    m_generation = catalog.generation();
    m_stored = true;
}

void CDaoQueryDef::Close() {
    if (m_open && m_pDatabase)
        m_pDatabase->RemoveDependent(this);
    m_open = false;
    m_stored = false;
    m_plan.reset();
    m_params.clear();
}

BOOL CDaoQueryDef::IsOpen() const {
    return m_open;
}

std::shared_ptr<const DaoSqlPlan> CDaoQueryDef::Plan() {
    RequireOpen();
    RequireLocalQuery();
    DaoConnection& connection = m_pDatabase->Connection();
    DaoCatalog& catalog = connection.catalog();
    if (m_stored && catalog.generation() != m_generation) {
        const DaoQuerySchema* query = catalog.FindQuery(m_strName.str());
        if (!query)
            CDaoException::Throw(daoErrItemNotFound,
                                 "The stored query '" + m_strName + "' no longer exists.",
                                 "DAO.QueryDef");
        m_strSQL = query->sql;
        m_strConnect = query->connect;
        m_generation = catalog.generation();
    }
    auto plan = connection.planner().PlanLoaded(m_strSQL.str());
    if (plan != m_plan) {
        m_plan = plan;
        m_params.resize(plan->parameters.size());
    }
    return m_plan;
}

std::vector<DaoValue> CDaoQueryDef::ParameterValues() {
    const DaoSqlPlan* plan = &CurrentPlan();
    std::vector<DaoValue> values;
    values.reserve(m_params.size());
    for (size_t i = 0; i < m_params.size(); ++i) {
        if (!m_params[i])
            CDaoException::Throw(daoErrTooFewParameters,
                                 "Too few parameters: parameter " + CString(std::to_string(i)) +
                                     " (" + CString(plan->parameters[i].name) +
                                     ") of the query has no value.",
                                 "DAO.QueryDef");
        values.push_back(DaoConvert::FromVariant(*m_params[i], plan->parameters[i].type));
    }
    return values;
}

void CDaoQueryDef::Execute(int) {
    RequireOpen();
    DaoConnection& connection = m_pDatabase->Connection();
    DaoWriteScope scope(connection);
    auto plan = Plan();
    if (plan->returnsRows)
        CDaoException::Throw(daoErrSelectNotExecutable,
                             "The query '" + m_strName +
                                 "' returns rows; it cannot be executed, only opened.",
                             "DAO.QueryDef");
    std::vector<DaoValue> values = ParameterValues();
    {
        DaoStatement statement(connection, plan->sql);
        for (size_t i = 0; i < values.size(); ++i)
            statement.Bind(static_cast<int>(i + 1), values[i]);
        statement.Run();
    }
    m_lRecordsAffected = static_cast<LONG>(connection.changes());
    scope.Commit();
}

LONG CDaoQueryDef::GetRecordsAffected() {
    return m_lRecordsAffected;
}

CString CDaoQueryDef::GetName() {
    RequireOpen();
    return m_strName;
}

void CDaoQueryDef::SetName(LPCTSTR lpszName) {
    RequireOpen();
    if (m_stored)
        CDaoException::Throw(daoErrInvalidOperation,
                             "A stored query is renamed by deleting and storing it again.",
                             "DAO.QueryDef");
    m_strName = lpszName ? lpszName : "";
}

CString CDaoQueryDef::GetSQL() {
    RequireOpen();
    return m_strSQL;
}

void CDaoQueryDef::SetSQL(LPCTSTR lpszSQL) {
    RequireOpen();
    m_strSQL = lpszSQL ? lpszSQL : "";
    m_plan.reset();
    m_params.clear();
    if (!m_stored)
        return;
    DaoQuerySchema query;
    query.name = m_strName.str();
    query.sql = m_strSQL.str();
    query.connect = m_strConnect.str();
    query.returnsRecords = m_bReturnsRecords != FALSE;
    query.type = DaoSqlPlanner::QueryType(query.sql);
    DaoCatalog& catalog = m_pDatabase->Connection().catalog();
    catalog.UpdateQuery(query);
    m_generation = catalog.generation();
}

short CDaoQueryDef::GetType() {
    RequireOpen();
    if (m_strConnect.Left(5).CompareNoCase("ODBC;") == 0)
        return dbQSQLPassThrough;
    return DaoSqlPlanner::QueryType(m_strSQL.str());
}

CString CDaoQueryDef::GetConnect() {
    RequireOpen();
    return m_strConnect;
}

void CDaoQueryDef::SetConnect(LPCTSTR lpszConnect) {
    RequireOpen();
    m_strConnect = lpszConnect ? lpszConnect : "";
}

BOOL CDaoQueryDef::GetReturnsRecords() {
    RequireOpen();
    return m_bReturnsRecords;
}

void CDaoQueryDef::SetReturnsRecords(BOOL bReturnsRecords) {
    RequireOpen();
    m_bReturnsRecords = bReturnsRecords;
}

BOOL CDaoQueryDef::CanUpdate() {
    return m_open && m_pDatabase->CanUpdate();
}

COleDateTime CDaoQueryDef::GetDateCreated() {
    RequireOpen();
    return DaoConvert::StampDate(m_dateCreated);
}

COleDateTime CDaoQueryDef::GetDateLastUpdated() {
    RequireOpen();
    return DaoConvert::StampDate(m_dateLastUpdated);
}

short CDaoQueryDef::GetParameterCount() {
    return static_cast<short>(CurrentPlan().parameters.size());
}

void CDaoQueryDef::GetParameterInfo(int nIndex, CDaoParameterInfo& paraminfo, DWORD) {
    const DaoSqlPlan* plan = &CurrentPlan();
    if (nIndex < 0 || nIndex >= static_cast<int>(plan->parameters.size()))
        NoSuchParameter("at position " + CString(std::to_string(nIndex)));
    const DaoSqlParameter& parameter = plan->parameters[static_cast<size_t>(nIndex)];
    paraminfo.m_strName = parameter.name;
    paraminfo.m_nType = parameter.type ? parameter.type : dbText;
    paraminfo.m_varValue = m_params[static_cast<size_t>(nIndex)].value_or(COleVariant());
}

// The parameters are those of the plan made last; Plan() makes it afresh when the recordset
// opens or the query runs, keeping the values set.
const DaoSqlPlan& CDaoQueryDef::CurrentPlan() {
    if (!m_plan) {
        RequireOpen();
        RequireLocalQuery();
        m_plan = m_pDatabase->Connection().planner().PlanLoaded(m_strSQL.str());
        m_params.resize(m_plan->parameters.size());
    }
    return *m_plan;
}

int CDaoQueryDef::ParameterIndex(LPCTSTR lpszName) {
    const DaoSqlPlan* plan = &CurrentPlan();
    CString wanted = Unbracketed(lpszName);
    for (size_t i = 0; i < plan->parameters.size(); ++i)
        if (Unbracketed(plan->parameters[i].name.c_str()).CompareNoCase(wanted) == 0)
            return static_cast<int>(i);
    NoSuchParameter("named '" + wanted + "'");
}

COleVariant CDaoQueryDef::GetParamValue(LPCTSTR lpszName) {
    return GetParamValue(ParameterIndex(lpszName));
}

COleVariant CDaoQueryDef::GetParamValue(int nIndex) {
    CurrentPlan();
    if (nIndex < 0 || nIndex >= static_cast<int>(m_params.size()))
        NoSuchParameter("at position " + CString(std::to_string(nIndex)));
    COleVariant value = m_params[static_cast<size_t>(nIndex)].value_or(COleVariant());
    if (!m_params[static_cast<size_t>(nIndex)])
        value.vt = VT_NULL;
    return value;
}

void CDaoQueryDef::SetParamValue(LPCTSTR lpszName, const COleVariant& varValue) {
    SetParamValue(ParameterIndex(lpszName), varValue);
}

void CDaoQueryDef::SetParamValue(int nIndex, const COleVariant& varValue) {
    CurrentPlan();
    if (nIndex < 0 || nIndex >= static_cast<int>(m_params.size()))
        NoSuchParameter("at position " + CString(std::to_string(nIndex)));
    m_params[static_cast<size_t>(nIndex)] = varValue;
}

short CDaoQueryDef::GetFieldCount() {
    auto plan = Plan();
    DaoCursor::Shape(m_pDatabase->Connection(), *plan);
    return static_cast<short>(plan->columns.size());
}

void CDaoQueryDef::GetFieldInfo(int nIndex, CDaoFieldInfo& fieldinfo, DWORD) {
    auto plan = Plan();
    DaoCursor::Shape(m_pDatabase->Connection(), *plan);
    if (nIndex < 0 || nIndex >= static_cast<int>(plan->columns.size()))
        CDaoException::Throw(daoErrItemNotFound,
                             "The query has no column at position " +
                                 CString(std::to_string(nIndex)) + ".",
                             "DAO.QueryDef");
    DaoConvert::FillFieldInfo(plan->columns[static_cast<size_t>(nIndex)], fieldinfo);
}

void CDaoQueryDef::GetFieldInfo(LPCTSTR lpszName, CDaoFieldInfo& fieldinfo, DWORD options) {
    auto plan = Plan();
    DaoCursor::Shape(m_pDatabase->Connection(), *plan);
    for (size_t i = 0; i < plan->columns.size(); ++i)
        if (DaoNamesEqual(plan->columns[i].name, lpszName ? lpszName : ""))
            return GetFieldInfo(static_cast<int>(i), fieldinfo, options);
    CDaoException::Throw(daoErrItemNotFound,
                         CString("The query has no column named '") + (lpszName ? lpszName : "") +
                             "'.",
                         "DAO.QueryDef");
}
