#include "platform/dao/CDaoRecordset.h"

#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoTableDef.h"
#include "platform/dao/DaoCatalog.h"
#include "platform/dao/DaoConnection.h"
#include "platform/dao/DaoConvert.h"
#include "platform/dao/DaoErrors.h"
#include "platform/dao/DaoReadScope.h"
#include "platform/dao/DaoRecordsetState.h"
#include "platform/dao/DaoSqlPlanner.h"

#include <climits>

IMPLEMENT_DYNAMIC(CDaoRecordset, CObject)

namespace {

const char* const kSource = "DAO.Recordset";

[[noreturn]] void Fail(LONG code, const CString& text) {
    CDaoException::Throw(code, text, kSource);
}

bool IsDirty(const DaoBoundField& field) {
    return field.dirty == 1 || (field.dirty == -1 && DaoMember::Get(field.binding) != field.cached);
}

// The value Update writes: Null for a field still holding the Null it was read or set with.
DaoValue WriteValue(const DaoBoundField& field) {
    if (field.null && DaoMember::Get(field.binding) == field.cached)
        return DaoValue();
    return DaoMember::ToValue(field.binding);
}

void MarkRead(DaoBoundField& field, bool null) {
    field.cached = DaoMember::Get(field.binding);
    field.null = null;
    field.dirty = -1;
}

COleVariant BookmarkVariant(int64_t bookmark) {
    if (bookmark >= INT32_MIN && bookmark <= INT32_MAX)
        return COleVariant(static_cast<LONG>(bookmark));
    return COleVariant(static_cast<double>(bookmark));
}

} // namespace

CDaoRecordset::CDaoRecordset(CDaoDatabase* pDatabase)
    : m_pDatabase(pDatabase), m_state(std::make_unique<DaoRecordsetState>()) {}

CDaoRecordset::~CDaoRecordset() {
    CDaoRecordset::Close();
}

CString CDaoRecordset::GetDefaultDBName() {
    return "";
}

CString CDaoRecordset::GetDefaultSQL() {
    return "";
}

void CDaoRecordset::DoFieldExchange(CDaoFieldExchange*) {}

void CDaoRecordset::RequireOpen() const {
    if (!m_state->cursor)
        Fail(daoErrObjectClosed, "The recordset is not open.");
}

BOOL CDaoRecordset::IsOpen() const {
    return m_state->cursor != nullptr;
}

void CDaoRecordset::Open(int nOpenType, LPCTSTR lpszSQL, int nOptions) {
    Close();
    if (!m_pDatabase) {
        // No database given: the recordset opens its own on the default file.
        m_state->ownDatabase = std::make_unique<CDaoDatabase>();
        m_state->ownDatabase->Open(GetDefaultDBName());
        m_pDatabase = m_state->ownDatabase.get();
    }
    CString text = lpszSQL ? CString(lpszSQL) : GetDefaultSQL();
    if (text.IsEmpty())
        Fail(daoErrInvalidOperation, "The recordset has no SQL text to open.");
    if (nOpenType == AFX_DAO_USE_DEFAULT_TYPE)
        nOpenType = m_nDefaultType;
    DaoReadScope read(m_pDatabase->Connection());
    auto plan = m_pDatabase->Connection().planner().Plan(text.str());
    if (nOpenType == dbOpenTable && !plan->wholeTable)
        Fail(daoErrInvalidOperation, "Only a table can be opened as a table-type recordset.");
    m_state->plan = plan;
    m_state->name = text.str();
    m_state->sql = text.str();
    OpenOn(m_pDatabase, nOpenType, nOptions);
}

void CDaoRecordset::Open(CDaoQueryDef* pQueryDef, int nOpenType, int nOptions) {
    Close();
    if (!pQueryDef || !pQueryDef->IsOpen())
        Fail(daoErrObjectClosed, "The query definition is not open.");
    if (nOpenType == AFX_DAO_USE_DEFAULT_TYPE)
        nOpenType = m_nDefaultType;
    if (nOpenType == dbOpenTable)
        Fail(daoErrInvalidOperation, "A query cannot be opened as a table-type recordset.");
    DaoReadScope read(pQueryDef->m_pDatabase->Connection());
    auto plan = pQueryDef->Plan();
    m_state->plan = plan;
    m_state->parameters = pQueryDef->ParameterValues();
    m_state->name = pQueryDef->GetName().str();
    m_state->sql = pQueryDef->GetSQL().str();
    m_pQueryDef = pQueryDef;
    if (!m_pDatabase)
        m_pDatabase = pQueryDef->m_pDatabase;
    OpenOn(pQueryDef->m_pDatabase, nOpenType, nOptions);
}

void CDaoRecordset::Open(CDaoTableDef* pTableDef, int nOpenType, int nOptions) {
    Close();
    if (!pTableDef || !pTableDef->IsOpen())
        Fail(daoErrObjectClosed, "The table definition is not open.");
    if (nOpenType == AFX_DAO_USE_DEFAULT_TYPE)
        nOpenType = dbOpenTable;
    CString name = pTableDef->GetName();
    DaoConnection& connection = pTableDef->m_pDatabase->Connection();
    DaoReadScope read(connection);
    connection.catalog();
    m_state->plan = connection.planner().PlanTable(name.str());
    m_state->name = name.str();
    m_state->sql = m_state->plan->sql;
    m_pTableDef = pTableDef;
    if (!m_pDatabase)
        m_pDatabase = pTableDef->m_pDatabase;
    OpenOn(pTableDef->m_pDatabase, nOpenType, nOptions);
}

// The shared part of the three opens: binds, runs the query and reads the first row.
void CDaoRecordset::OpenOn(CDaoDatabase* database, int type, int options) {
    DaoRecordsetState& state = *m_state;
    DaoConnection& connection = database->Connection();
    try {
        if (!state.plan->returnsRows)
            Fail(daoErrInvalidOperation, "An action query cannot be opened as a recordset.");
        DaoCursor::Shape(connection, *state.plan);
        if (!state.bound) {
            // The members a recordset binds do not change between opens: asked once.
            CDaoFieldExchange fx(this);
            DoFieldExchange(&fx);
            state.outputs = fx.m_outputs;
            state.params = fx.m_params;
            state.bound = true;
        }
        if (!m_pQueryDef) {
            state.parameters.clear();
            for (const auto& param : state.params)
                state.parameters.push_back(DaoMember::ToValue(param));
            if (state.parameters.size() < state.plan->parameters.size())
                Fail(daoErrTooFewParameters,
                     "Too few parameters: the query expects " +
                         CString(std::to_string(state.plan->parameters.size())) + ".");
        }
        bool keyed = type == dbOpenDynaset || type == dbOpenTable;
        auto cursor = std::make_unique<DaoCursor>(connection, state.plan, keyed,
                                                  (options & dbAppendOnly) != 0);
        if (state.mappedPlan != state.plan)
            MapFields(*cursor);
        const DaoTableSchema* table = connection.loadedCatalog().FindTable(state.plan->baseTable);
        state.updatable = cursor->IsKeyed() && !(options & dbReadOnly) && !connection.readOnly() &&
                          table && !table->IsSystem();
        cursor->Open(state.parameters);
        state.cursor = std::move(cursor);
    } catch (...) {
        state.plan.reset();
        m_pQueryDef = nullptr;
        m_pTableDef = nullptr;
        throw;
    }
    state.database = database;
    state.openType = type;
    state.editMode = dbEditNone;
    state.lastModified.reset();
    if (state.cursor->HasCurrent())
        LoadMembers();
    database->AddDependent(this, [this] { Close(); });
}

// Matches the bound members with the result's columns by name.
void CDaoRecordset::MapFields(const DaoCursor& cursor) {
    DaoRecordsetState& state = *m_state;
    state.mappedPlan.reset();
    state.fieldOfColumn.assign(static_cast<size_t>(cursor.ColumnCount()), -1);
    state.fields.clear();
    for (const auto& binding : state.outputs) {
        int column = cursor.FindColumn(binding.name.str());
        if (column < 0)
            Fail(daoErrItemNotFound, "The recordset binds the column '" + binding.name +
                                         "', which its query does not return.");
        state.fieldOfColumn[static_cast<size_t>(column)] = static_cast<int>(state.fields.size());
        DaoBoundField field;
        field.binding = binding;
        field.column = column;
        state.fields.push_back(field);
    }
    state.mappedPlan = state.plan;
}

void CDaoRecordset::Close() {
    DaoRecordsetState& state = *m_state;
    if (state.cursor && state.editMode == dbEditAdd)
        DiscardPending();
    if (state.database)
        state.database->RemoveDependent(this);
    state.cursor.reset();
    state.plan.reset();
    state.database = nullptr;
    state.editMode = dbEditNone;
    state.lastModified.reset();
    m_pQueryDef = nullptr;
    m_pTableDef = nullptr;
}

void CDaoRecordset::LoadMembers() {
    DaoRecordsetState& state = *m_state;
    const std::vector<DaoValue>& row = state.cursor->Row();
    for (DaoBoundField& field : state.fields) {
        const DaoValue& value = row[static_cast<size_t>(field.column)];
        DaoMember::FromValue(field.binding, value);
        MarkRead(field, value.IsNull());
    }
}

// Drops an AddNew or Edit under way; after AddNew the members get back their earlier values.
void CDaoRecordset::DiscardPending() {
    DaoRecordsetState& state = *m_state;
    if (state.editMode == dbEditAdd) {
        for (size_t i = 0; i < state.fields.size() && i < state.savedValues.size(); ++i) {
            DaoMember::Set(state.fields[i].binding, state.savedValues[i]);
            state.fields[i] = state.savedFields[i];
        }
    }
    state.editMode = dbEditNone;
    state.editRow.clear();
    state.editDirty.clear();
}

BOOL CDaoRecordset::IsBOF() const {
    RequireOpen();
    return m_state->cursor->IsBOF();
}

BOOL CDaoRecordset::IsEOF() const {
    RequireOpen();
    return m_state->cursor->IsEOF();
}

BOOL CDaoRecordset::IsDeleted() const {
    RequireOpen();
    return m_state->cursor->IsCurrentDeleted();
}

BOOL CDaoRecordset::CanUpdate() const {
    return IsOpen() && m_state->updatable;
}

BOOL CDaoRecordset::CanAppend() const {
    return IsOpen() && m_state->updatable;
}

BOOL CDaoRecordset::CanBookmark() {
    return IsOpen();
}

BOOL CDaoRecordset::CanScroll() {
    return IsOpen();
}

BOOL CDaoRecordset::CanRestart() {
    return IsOpen();
}

BOOL CDaoRecordset::CanTransact() {
    return IsOpen();
}

CString CDaoRecordset::GetName() {
    RequireOpen();
    return m_state->name;
}

CString CDaoRecordset::GetSQL() {
    RequireOpen();
    return m_state->sql;
}

short CDaoRecordset::GetType() {
    RequireOpen();
    return static_cast<short>(m_state->openType);
}

short CDaoRecordset::GetEditMode() {
    return IsOpen() ? m_state->editMode : dbEditNone;
}

LONG CDaoRecordset::GetRecordCount() {
    RequireOpen();
    return static_cast<LONG>(m_state->cursor->RecordCount());
}

void CDaoRecordset::Move(LONG lRows) {
    RequireOpen();
    DiscardPending();
    m_state->cursor->Move(lRows);
    if (m_state->cursor->HasCurrent())
        LoadMembers();
}

void CDaoRecordset::MoveNext() {
    RequireOpen();
    DiscardPending();
    m_state->cursor->MoveNext();
    if (m_state->cursor->HasCurrent())
        LoadMembers();
}

void CDaoRecordset::MovePrev() {
    RequireOpen();
    DiscardPending();
    m_state->cursor->MovePrev();
    if (m_state->cursor->HasCurrent())
        LoadMembers();
}

void CDaoRecordset::MoveFirst() {
    RequireOpen();
    DiscardPending();
    m_state->cursor->MoveFirst();
    if (m_state->cursor->HasCurrent())
        LoadMembers();
}

void CDaoRecordset::MoveLast() {
    RequireOpen();
    DiscardPending();
    m_state->cursor->MoveLast();
    if (m_state->cursor->HasCurrent())
        LoadMembers();
}

COleVariant CDaoRecordset::GetBookmark() {
    RequireOpen();
    return BookmarkVariant(m_state->cursor->CurrentBookmark());
}

void CDaoRecordset::SetBookmark(COleVariant varBookmark) {
    RequireOpen();
    int64_t bookmark = 0;
    if (varBookmark.vt == VT_I4)
        bookmark = varBookmark.lVal;
    else if (varBookmark.vt == VT_R8)
        bookmark = static_cast<int64_t>(varBookmark.dblVal);
    else
        Fail(daoErrBadBookmark, "The bookmark is not one of this recordset.");
    DiscardPending();
    m_state->cursor->GoToBookmark(bookmark);
    LoadMembers();
}

COleVariant CDaoRecordset::GetLastModifiedBookmark() {
    RequireOpen();
    if (!m_state->lastModified)
        Fail(daoErrNoCurrentRecord, "No row has been added or changed through this recordset.");
    return BookmarkVariant(*m_state->lastModified);
}

void CDaoRecordset::AddNew() {
    RequireOpen();
    if (!CanAppend())
        Fail(daoErrReadOnly, "Rows cannot be added through this recordset (read-only).");
    DiscardPending();
    DaoRecordsetState& state = *m_state;
    state.savedFields = state.fields;
    state.savedValues.clear();
    for (DaoBoundField& field : state.fields) {
        state.savedValues.push_back(DaoMember::Get(field.binding));
        DaoMember::SetPseudoNull(field.binding);
        MarkRead(field, true);
    }
    state.editRow.assign(static_cast<size_t>(state.cursor->ColumnCount()), DaoValue());
    state.editDirty.assign(state.editRow.size(), false);
    state.editMode = dbEditAdd;
}

void CDaoRecordset::Edit() {
    RequireOpen();
    if (!CanUpdate())
        Fail(daoErrReadOnly, "Rows cannot be changed through this recordset (read-only).");
    DiscardPending();
    DaoRecordsetState& state = *m_state;
    state.cursor->Refetch();
    LoadMembers();
    state.editRow = state.cursor->Row();
    state.editDirty.assign(state.editRow.size(), false);
    state.editMode = dbEditInProgress;
}

void CDaoRecordset::Update() {
    RequireOpen();
    DaoRecordsetState& state = *m_state;
    if (state.editMode == dbEditNone)
        Fail(daoErrUpdateWithoutEdit, "Update without AddNew or Edit.");
    bool adding = state.editMode == dbEditAdd;
    DaoCursor::Changes changes;
    auto add = [&](int column, DaoValue value) {
        const DaoResultColumn& info = state.cursor->Column(column);
        if (!adding && info.hasSchema && info.schema.IsAutoIncrement()) {
            // The number of a row never changes; writing it back unchanged is no change.
            if (value == state.cursor->Row()[static_cast<size_t>(column)])
                return;
            Fail(daoErrFieldNotUpdatable, "Column '" + CString(info.name) +
                                              "' is numbered by the database and cannot be "
                                              "changed.");
        }
        changes.emplace_back(column, std::move(value));
    };
    for (const DaoBoundField& field : state.fields)
        if (IsDirty(field))
            add(field.column, WriteValue(field));
    for (size_t i = 0; i < state.editDirty.size(); ++i)
        if (state.editDirty[i] && state.fieldOfColumn[i] < 0)
            add(static_cast<int>(i), state.editRow[i]);
    if (adding) {
        state.lastModified = state.cursor->Insert(changes);
        DiscardPending();
        return;
    }
    state.cursor->UpdateCurrent(changes);
    state.lastModified = state.cursor->CurrentBookmark();
    for (DaoBoundField& field : state.fields)
        MarkRead(field, state.cursor->Row()[static_cast<size_t>(field.column)].IsNull());
    state.editMode = dbEditNone;
    state.editRow.clear();
    state.editDirty.clear();
}

void CDaoRecordset::Delete() {
    RequireOpen();
    if (!CanUpdate())
        Fail(daoErrReadOnly, "Rows cannot be deleted through this recordset (read-only).");
    DiscardPending();
    m_state->cursor->DeleteCurrent();
}

void CDaoRecordset::CancelUpdate() {
    if (!IsOpen())
        return;
    bool editing = m_state->editMode == dbEditInProgress;
    DiscardPending();
    if (editing && m_state->cursor->HasCurrent())
        LoadMembers();
}

void CDaoRecordset::Requery() {
    RequireOpen();
    DaoRecordsetState& state = *m_state;
    DiscardPending();
    if (!state.params.empty()) {
        state.parameters.clear();
        for (const auto& param : state.params)
            state.parameters.push_back(DaoMember::ToValue(param));
    }
    state.cursor->Open(state.parameters);
    state.lastModified.reset();
    if (state.cursor->HasCurrent())
        LoadMembers();
}

int CDaoRecordset::ColumnIndex(LPCTSTR lpszName) const {
    RequireOpen();
    CString name(lpszName ? lpszName : "");
    name.Trim();
    if (name.GetLength() >= 2 && name.GetAt(0) == '[' && name.GetAt(name.GetLength() - 1) == ']')
        name = name.Mid(1, name.GetLength() - 2);
    int index = m_state->cursor->FindColumn(name.str());
    if (index < 0)
        Fail(daoErrItemNotFound, "The recordset has no field named '" + name + "'.");
    return index;
}

void CDaoRecordset::GetFieldValue(LPCTSTR lpszName, COleVariant& varValue) {
    varValue = GetFieldValue(ColumnIndex(lpszName));
}

void CDaoRecordset::GetFieldValue(int nIndex, COleVariant& varValue) {
    varValue = GetFieldValue(nIndex);
}

COleVariant CDaoRecordset::GetFieldValue(LPCTSTR lpszName) {
    return GetFieldValue(ColumnIndex(lpszName));
}

// While an edit or an add is under way a field reads as the recordset would write it;
// otherwise as the current row holds it.
COleVariant CDaoRecordset::GetFieldValue(int nIndex) {
    RequireOpen();
    DaoRecordsetState& state = *m_state;
    if (nIndex < 0 || nIndex >= state.cursor->ColumnCount())
        Fail(daoErrItemNotFound,
             "The recordset has no field at position " + CString(std::to_string(nIndex)) + ".");
    const DaoResultColumn& column = state.cursor->Column(nIndex);
    if (state.editMode != dbEditNone) {
        int field = state.fieldOfColumn[static_cast<size_t>(nIndex)];
        if (field >= 0)
            return DaoConvert::ToVariant(WriteValue(state.fields[static_cast<size_t>(field)]),
                                         column);
        return DaoConvert::ToVariant(state.editRow[static_cast<size_t>(nIndex)], column);
    }
    if (state.cursor->IsCurrentDeleted())
        Fail(daoErrRecordDeleted, "The current row has been deleted.");
    if (!state.cursor->HasCurrent())
        Fail(daoErrNoCurrentRecord, "There is no current row.");
    return DaoConvert::ToVariant(state.cursor->Row()[static_cast<size_t>(nIndex)], column);
}

void CDaoRecordset::RequireEditing() const {
    RequireOpen();
    if (m_state->editMode == dbEditNone)
        Fail(daoErrUpdateWithoutEdit, "A field is set only after AddNew or Edit.");
}

void CDaoRecordset::SetFieldValue(LPCTSTR lpszName, const COleVariant& varValue) {
    SetFieldValue(ColumnIndex(lpszName), varValue);
}

void CDaoRecordset::SetFieldValue(int nIndex, const COleVariant& varValue) {
    RequireEditing();
    DaoRecordsetState& state = *m_state;
    if (nIndex < 0 || nIndex >= state.cursor->ColumnCount())
        Fail(daoErrItemNotFound,
             "The recordset has no field at position " + CString(std::to_string(nIndex)) + ".");
    int field = state.fieldOfColumn[static_cast<size_t>(nIndex)];
    bool null = varValue.vt == VT_NULL || varValue.vt == VT_EMPTY;
    if (field >= 0) {
        DaoBoundField& bound = state.fields[static_cast<size_t>(field)];
        DaoMember::FromVariant(bound.binding, varValue);
        bound.null = null;
        if (null)
            bound.cached = DaoMember::Get(bound.binding);
        bound.dirty = 1;
        return;
    }
    const DaoResultColumn& column = state.cursor->Column(nIndex);
    short type = column.hasSchema ? column.schema.type : 0;
    state.editRow[static_cast<size_t>(nIndex)] = DaoConvert::FromVariant(varValue, type);
    state.editDirty[static_cast<size_t>(nIndex)] = true;
}

void CDaoRecordset::SetFieldValueNull(int nIndex) {
    COleVariant null;
    null.vt = VT_NULL;
    SetFieldValue(nIndex, null);
}

void CDaoRecordset::SetFieldValueNull(LPCTSTR lpszName) {
    SetFieldValueNull(ColumnIndex(lpszName));
}

COleVariant CDaoRecordset::GetParamValue(int nIndex) {
    RequireOpen();
    const DaoRecordsetState& state = *m_state;
    if (nIndex < 0 || nIndex >= static_cast<int>(state.parameters.size()))
        Fail(daoErrItemNotFound,
             "The recordset has no parameter at position " + CString(std::to_string(nIndex)) + ".");
    DaoResultColumn typed;
    short type = static_cast<size_t>(nIndex) < state.plan->parameters.size()
                     ? state.plan->parameters[static_cast<size_t>(nIndex)].type
                     : 0;
    if (type) {
        typed.hasSchema = true;
        typed.schema.type = type;
    }
    return DaoConvert::ToVariant(state.parameters[static_cast<size_t>(nIndex)], typed);
}

COleVariant CDaoRecordset::GetParamValue(LPCTSTR lpszName) {
    RequireOpen();
    const auto& parameters = m_state->plan->parameters;
    for (size_t i = 0; i < parameters.size(); ++i)
        if (DaoNamesEqual(parameters[i].name, lpszName ? lpszName : ""))
            return GetParamValue(static_cast<int>(i));
    Fail(daoErrItemNotFound,
         CString("The recordset has no parameter named '") + (lpszName ? lpszName : "") + "'.");
}

void CDaoRecordset::SetParamValue(int nIndex, const COleVariant& varValue) {
    RequireOpen();
    DaoRecordsetState& state = *m_state;
    if (nIndex < 0 || nIndex >= static_cast<int>(state.plan->parameters.size()))
        Fail(daoErrItemNotFound,
             "The recordset has no parameter at position " + CString(std::to_string(nIndex)) + ".");
    state.parameters.resize(state.plan->parameters.size());
    state.parameters[static_cast<size_t>(nIndex)] =
        DaoConvert::FromVariant(varValue, state.plan->parameters[static_cast<size_t>(nIndex)].type);
    state.params.clear(); // the values set here take the place of bound parameters
}

void CDaoRecordset::SetParamValue(LPCTSTR lpszName, const COleVariant& varValue) {
    RequireOpen();
    const auto& parameters = m_state->plan->parameters;
    for (size_t i = 0; i < parameters.size(); ++i)
        if (DaoNamesEqual(parameters[i].name, lpszName ? lpszName : ""))
            return SetParamValue(static_cast<int>(i), varValue);
    Fail(daoErrItemNotFound,
         CString("The recordset has no parameter named '") + (lpszName ? lpszName : "") + "'.");
}

short CDaoRecordset::GetFieldCount() {
    RequireOpen();
    return static_cast<short>(m_state->cursor->ColumnCount());
}

void CDaoRecordset::GetFieldInfo(int nIndex, CDaoFieldInfo& fieldinfo, DWORD) {
    RequireOpen();
    if (nIndex < 0 || nIndex >= m_state->cursor->ColumnCount())
        Fail(daoErrItemNotFound,
             "The recordset has no field at position " + CString(std::to_string(nIndex)) + ".");
    DaoConvert::FillFieldInfo(m_state->cursor->Column(nIndex), fieldinfo);
    fieldinfo.m_nOrdinalPosition = static_cast<short>(nIndex);
    fieldinfo.m_strSourceTable = m_state->plan->baseTable;
}

void CDaoRecordset::GetFieldInfo(LPCTSTR lpszName, CDaoFieldInfo& fieldinfo, DWORD options) {
    GetFieldInfo(ColumnIndex(lpszName), fieldinfo, options);
}

namespace {

DaoBoundField* FindField(std::vector<DaoBoundField>& fields, void* pv) {
    for (DaoBoundField& field : fields)
        if (field.binding.member == pv)
            return &field;
    return nullptr;
}

} // namespace

void CDaoRecordset::SetFieldDirty(void* pv, BOOL bDirty) {
    for (DaoBoundField& field : m_state->fields)
        if (!pv || field.binding.member == pv)
            field.dirty = bDirty ? 1 : 0;
}

BOOL CDaoRecordset::IsFieldDirty(void* pv) {
    for (const DaoBoundField& field : m_state->fields)
        if ((!pv || field.binding.member == pv) && IsDirty(field))
            return TRUE;
    return FALSE;
}

void CDaoRecordset::SetFieldNull(void* pv, BOOL bNull) {
    for (DaoBoundField& field : m_state->fields) {
        if (pv && field.binding.member != pv)
            continue;
        if (bNull) {
            DaoMember::SetNull(field.binding);
            field.cached = DaoMember::Get(field.binding);
        }
        field.null = bNull != FALSE;
        field.dirty = 1;
    }
}

BOOL CDaoRecordset::IsFieldNull(void* pv) {
    DaoBoundField* field = FindField(m_state->fields, pv);
    if (!field)
        return FALSE;
    if (field->binding.kind == CDaoFieldExchange::Kind::DateTime)
        return static_cast<COleDateTime*>(pv)->GetStatus() == COleDateTime::null;
    return field->null && DaoMember::Get(field->binding) == field->cached;
}

BOOL CDaoRecordset::IsFieldNullable(void* pv) {
    DaoBoundField* field = FindField(m_state->fields, pv);
    if (!field || !IsOpen())
        return FALSE;
    const DaoResultColumn& column = m_state->cursor->Column(field->column);
    return column.hasSchema ? !column.schema.required : TRUE;
}
