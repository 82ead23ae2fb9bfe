#include "editors/QZFieldBinding.h"

#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CSpinButtonCtrl.h"
#include "platform/ui/CWnd.h"
#include "shell/QZListComboBox.h"

#include <algorithm>

QZFieldBinding& QZFieldBinding::Text(int id, CString& member, Column<CString> column, int limit) {
    Field field(Kind::text, id, &member);
    field.text = std::move(column);
    field.limit = limit;
    m_fields.push_back(std::move(field));
    return *this;
}

QZFieldBinding& QZFieldBinding::Shown(int id, CString& member) {
    m_fields.emplace_back(Kind::shown, id, &member);
    return *this;
}

QZFieldBinding& QZFieldBinding::Number(int id, int& member, Column<int32_t> column, Range range,
                                       Spin spin) {
    Field field(Kind::number, id, &member);
    field.number = std::move(column);
    field.range = range;
    field.spin = spin;
    m_fields.push_back(std::move(field));
    return *this;
}

QZFieldBinding& QZFieldBinding::Date(int id, COleDateTime& member, Column<COleDateTime> column,
                                     DWORD parseFlags, DateEntry entry) {
    Field field(Kind::date, id, &member);
    field.date = std::move(column);
    field.parseFlags = parseFlags;
    field.entry = entry;
    m_fields.push_back(std::move(field));
    return *this;
}

QZFieldBinding& QZFieldBinding::Check(int id, int& member, Column<int32_t> column) {
    Field field(Kind::check, id, &member);
    field.number = std::move(column);
    m_fields.push_back(std::move(field));
    return *this;
}

QZFieldBinding& QZFieldBinding::ComboKey(int id, QZKeyCombo& member, Column<QZKeyCombo> column,
                                         QZListComboBox& combo) {
    Field field(Kind::comboKey, id, &member);
    field.key = std::move(column);
    field.combo = &combo;
    m_fields.push_back(std::move(field));
    return *this;
}

QZFieldBinding& QZFieldBinding::StoreOrder(std::vector<const void*> members) {
    m_storeOrder = std::move(members);
    return *this;
}

void QZFieldBinding::Fill() {
    for (Field& field : m_fields)
        FillField(field);
}

void QZFieldBinding::FillField(Field& field) {
    switch (field.kind) {
    case Kind::text:
        *static_cast<CString*>(field.member) = field.text.get();
        break;
    case Kind::number:
    case Kind::check:
        *static_cast<int*>(field.member) = field.number.get();
        break;
    case Kind::date:
        *static_cast<COleDateTime*>(field.member) = field.date.get();
        break;
    case Kind::comboKey:
        *static_cast<QZKeyCombo*>(field.member) = field.key.get();
        break;
    case Kind::shown:
        break;
    }
}

void QZFieldBinding::InitSpins(CWnd* form) const {
    for (const Field& field : m_fields) {
        if (field.kind != Kind::number || field.spin.id == 0)
            continue;
        CSpinButtonCtrl spin;
        if (!spin.SubclassDlgItem(static_cast<UINT>(field.spin.id), form))
            continue;
        spin.SetRange(field.spin.low, field.spin.high);
        spin.SetPos(*static_cast<int*>(field.member));
        spin.Detach();
    }
}

void QZFieldBinding::Exchange(CDataExchange* pDX) {
    for (Field& field : m_fields) {
        if (field.id != 0)
            ExchangeField(pDX, field);
    }
}

void QZFieldBinding::ExchangeField(CDataExchange* pDX, Field& field) {
    switch (field.kind) {
    case Kind::text:
    case Kind::shown: {
        auto& value = *static_cast<CString*>(field.member);
        DDX_Text(pDX, field.id, value);
        if (field.limit > 0)
            DDV_MaxChars(pDX, value, field.limit);
        break;
    }
    case Kind::number: {
        auto& value = *static_cast<int*>(field.member);
        if (field.range.positive && pDX->m_bSaveAndValidate) {
            UINT read = 0;
            DDX_Text(pDX, field.id, read);
            value = static_cast<int>(std::min<UINT>(read, std::numeric_limits<int>::max()));
        } else {
            DDX_Text(pDX, field.id, value);
        }
        DDV_MinMaxInt(pDX, value, field.range.low, field.range.high);
        break;
    }
    case Kind::date:
        if (field.entry == DateEntry::exchanged)
            DDX_Text(pDX, field.id, *static_cast<COleDateTime*>(field.member), field.parseFlags);
        break;
    case Kind::check:
        DDX_Check(pDX, field.id, *static_cast<int*>(field.member));
        break;
    case Kind::comboKey: {
        auto& value = *static_cast<QZKeyCombo*>(field.member);
        if (!field.combo->GetSafeHwnd())
            break;
        // A list with nothing selected leaves the key as it was.
        if (pDX->m_bSaveAndValidate && field.combo->GetCurSel() >= 0)
            value = field.combo->GetSelectedKey();
        else if (!pDX->m_bSaveAndValidate)
            field.combo->SetCurSel(field.combo->FindKey(value));
        break;
    }
    }
}

std::vector<QZFieldBinding::Field*> QZFieldBinding::InStoreOrder() {
    std::vector<Field*> order;
    for (const void* member : m_storeOrder) {
        for (Field& field : m_fields) {
            if (field.member == member)
                order.push_back(&field);
        }
    }
    for (Field& field : m_fields) {
        if (std::find(order.begin(), order.end(), &field) == order.end())
            order.push_back(&field);
    }
    return order;
}

BOOL QZFieldBinding::Store(CDocument* document, CWnd* form) {
    for (Field* field : InStoreOrder()) {
        const int stored = StoreField(*field, form);
        if (stored < 0)
            return FALSE;
        if (stored > 0 && document)
            document->SetModifiedFlag(TRUE);
    }
    return TRUE;
}

namespace {

// The date in the form's edit when it holds one; null for an empty edit; FALSE after the
// exchange's message for a text that is no date.
BOOL ReadDateAtStore(CWnd* form, int id, DWORD flags, COleDateTime& value) {
    value.SetStatus(COleDateTime::null);
    if (!form || !form->GetDlgItem(id))
        return TRUE;
    CDataExchange dx(form, TRUE);
    try {
        DDX_Text(&dx, id, value, flags);
    } catch (const DataExchangeRefused&) {
        return FALSE;
    }
    return TRUE;
}

} // namespace

int QZFieldBinding::StoreField(Field& field, CWnd* form) {
    switch (field.kind) {
    case Kind::text: {
        const auto& value = *static_cast<CString*>(field.member);
        if (value.Compare(field.text.get()) == 0)
            return 0;
        field.text.set(value);
        return 1;
    }
    case Kind::number: {
        const int value = *static_cast<int*>(field.member);
        if (value == field.number.get())
            return 0;
        field.number.set(value);
        return 1;
    }
    case Kind::check: {
        const int value = *static_cast<int*>(field.member);
        if ((value != 0) == (field.number.get() != 0))
            return 0;
        field.number.set(value != 0 ? 1 : 0);
        return 1;
    }
    case Kind::date: {
        auto& value = *static_cast<COleDateTime*>(field.member);
        if (field.entry == DateEntry::readAtStore) {
            COleDateTime read;
            if (!ReadDateAtStore(form, field.id, field.parseFlags, read))
                return -1;
            // An empty edit keeps the stored date.
            if (read.GetStatus() == COleDateTime::null)
                return 0;
            value = read;
        }
        if (value == field.date.get())
            return 0;
        field.date.set(value);
        return 1;
    }
    case Kind::comboKey: {
        const auto& value = *static_cast<QZKeyCombo*>(field.member);
        if (value == field.key.get())
            return 0;
        field.key.set(value);
        return 1;
    }
    case Kind::shown:
        return 0;
    }
    return 0;
}
