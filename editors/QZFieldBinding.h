#pragma once
// The fields of one attribute form as a table. Each row names the form's control, the view's
// member that holds the value between exchanges, how the value is read from and written to the
// object (its column accessor) and its kind: a text with a length limit, a number with the
// range its column takes and a spin beside it, a date that may be null, a check box or a combo
// box of object keys. From the table follow filling the members, the exchange with the controls
// and the compare-and-store that marks the document modified once for every changed field.

#include "db/QZKeyCombo.h"
#include "platform/core/COleDateTime.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

class CDataExchange;
class CDocument;
class CWnd;
class QZListComboBox;

class QZFieldBinding {
public:
    // How one value of the object is read and written.
    template <class T> struct Column {
        std::function<T()> get;
        std::function<void(const T&)> set;
    };

    // The numbers a field's column can hold; a typed number outside is refused, never cut.
    struct Range {
        int32_t low;
        int32_t high;
        // Negative numbers get the exchange's "positive integer" message.
        bool positive;
    };
    static constexpr Range kByte{0, 255, false};
    static constexpr Range kShort{-32768, 32767, false};
    static constexpr Range kUnsignedShort{0, 32767, true};
    static constexpr Range kLong{std::numeric_limits<int32_t>::min(),
                                 std::numeric_limits<int32_t>::max(), false};

    // The up-down control beside a number's edit: its range bounds the arrows only.
    struct Spin {
        int id;
        short low;
        short high;
    };

    // When a date's edit is read.
    enum class DateEntry {
        // Filled and exchanged with the others; an empty edit is the null date.
        exchanged,
        // Opens empty and is read only when storing: an empty edit keeps the stored date, a
        // text that is no date refuses the store after the fields before it were stored.
        readAtStore,
    };

    // A column held in a member of the object's row, found again at each use (the row can be
    // reloaded).
    template <class T> static Column<T> At(std::function<T*()> where) {
        return {[where] {
                    T* column = where();
                    return column ? *column : T();
                },
                [where](const T& value) {
                    if (T* column = where())
                        *column = value;
                }};
    }
    // A number column of 8, 16 or 32 bits, read widened with its sign; the exchange has
    // checked that a stored value fits.
    template <class Stored> static Column<int32_t> NumberAt(std::function<Stored*()> where) {
        return {[where] {
                    Stored* column = where();
                    return column ? static_cast<int32_t>(*column) : 0;
                },
                [where](const int32_t& value) {
                    if (Stored* column = where())
                        *column = static_cast<Stored>(value);
                }};
    }

    // A column of the row that `row` finds now (none while it gives null).
    template <class Row, class T>
    static Column<T> Member(std::function<Row*()> row, T Row::*member) {
        return At<T>([row, member] {
            Row* current = row();
            return current ? &(current->*member) : nullptr;
        });
    }
    template <class Row, class Stored>
    static Column<int32_t> NumberMember(std::function<Row*()> row, Stored Row::*member) {
        return NumberAt<Stored>([row, member] {
            Row* current = row();
            return current ? &(current->*member) : nullptr;
        });
    }

    // The rows, in the order of the form's exchange.
    QZFieldBinding& Text(int id, CString& member, Column<CString> column, int limit = 0);
    // A text shown in a control and never stored (a size, a path).
    QZFieldBinding& Shown(int id, CString& member);
    // A number; id 0 for one without a control (stored from the member only).
    QZFieldBinding& Number(int id, int& member, Column<int32_t> column, Range range,
                           Spin spin = {0, 0, 0});
    QZFieldBinding& Date(int id, COleDateTime& member, Column<COleDateTime> column,
                         DWORD parseFlags = 0, DateEntry entry = DateEntry::exchanged);
    // A check box; the stored value counts as set when it is not 0.
    QZFieldBinding& Check(int id, int& member, Column<int32_t> column);
    // A combo box of object keys, filled by the form.
    QZFieldBinding& ComboKey(int id, QZKeyCombo& member, Column<QZKeyCombo> column,
                             QZListComboBox& combo);
    // Stores in this order of members (each a member named in a row) where it differs from
    // the exchange's; rows not named follow in table order.
    QZFieldBinding& StoreOrder(std::vector<const void*> members);

    // Every column into its member.
    void Fill();
    // Each spin of the form set to its range and to its member's value.
    void InitSpins(CWnd* form) const;
    // Members to controls or back, in table order, each value checked on its way back (the
    // exchange's message and the focus in the control when refused).
    void Exchange(CDataExchange* pDX);
    // Each member that differs from its column stored through it, `document` marked modified
    // once for each (when given). FALSE when a date read at store was refused: the fields
    // before it stay stored. `form` holds the controls of dates read at store.
    BOOL Store(CDocument* document, CWnd* form = nullptr);

private:
    enum class Kind { text, shown, number, date, check, comboKey };
    struct Field {
        Field(Kind fieldKind, int fieldId, void* fieldMember)
            : kind(fieldKind), id(fieldId), member(fieldMember) {}

        Kind kind;
        int id;
        void* member;
        Column<CString> text;
        Column<int32_t> number;
        Column<COleDateTime> date;
        Column<QZKeyCombo> key;
        int limit = 0;
        Range range{0, 0, false};
        Spin spin{0, 0, 0};
        DWORD parseFlags = 0;
        DateEntry entry = DateEntry::exchanged;
        QZListComboBox* combo = nullptr;
    };

    void FillField(Field& field);
    void ExchangeField(CDataExchange* pDX, Field& field);
    // 1 when the field was stored, 0 when it was equal, -1 when its date was refused.
    int StoreField(Field& field, CWnd* form);
    std::vector<Field*> InStoreOrder();

    std::vector<Field> m_fields;
    std::vector<const void*> m_storeOrder;
};
