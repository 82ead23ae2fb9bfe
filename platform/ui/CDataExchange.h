#pragma once
// The context of one exchange between a dialog and its controls: which dialog, and whether
// values go from the controls to the dialog (save) or back.

#include "platform/core/CString.h"
#include "platform/core/Types.h"

#include <cstdint>

class COleDateTime;
class CWnd;

// The framework's own messages of a refused exchange, by their string numbers.
constexpr UINT AFX_IDP_PARSE_INT = 61712;
constexpr UINT AFX_IDP_PARSE_INT_RANGE = 61714;
constexpr UINT AFX_IDP_PARSE_STRING_SIZE = 61716;
constexpr UINT AFX_IDP_PARSE_UINT = 61719;
constexpr UINT AFX_IDP_PARSE_DATETIME = 61720;

// What Fail throws; UpdateData catches it.
struct DataExchangeRefused {};

class CDataExchange {
public:
    CDataExchange(CWnd* dlgWnd, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dlgWnd) {}

    // Refuses the exchange (a value the dialog cannot take): the rest of DoDataExchange is
    // skipped and UpdateData answers FALSE.
    [[noreturn]] void Fail();

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    // The control exchanged last: a refused value puts the focus back there.
    CWnd* m_pLastControl = nullptr;

    // Shows the message (an icon of exclamation), puts the focus back into the control
    // exchanged last and refuses the exchange.
    [[noreturn]] void FailWith(const CString& message);
};

// The text of one of the framework's exchange messages above; %d stand for the numbers.
const char* DataExchangeMessage(UINT id);

// Reads a whole number as the exchange takes it: blanks around it, an optional sign, decimal
// digits. FALSE for anything else, or for a number beyond 64 bits.
BOOL ParseExchangeInteger(const CString& text, int64_t& value);

// Binds `control` to the dialog's item `id` the first time it is exchanged; an item the dialog
// lacks leaves the control without a window.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

// A control's text to or from `value`; an item the dialog lacks is skipped.
void DDX_Text(CDataExchange* pDX, int id, CString& value);
// An edit's text to or from a number: shown in decimal; when saving, a text that is no whole
// number, or one beyond 32 bits, is refused with "Please enter an integer.".
void DDX_Text(CDataExchange* pDX, int id, int& value);
// As the above for a number that may not be negative ("Please enter a positive integer.").
void DDX_Text(CDataExchange* pDX, int id, UINT& value);
// Refuses, when saving, a number outside low..high with "Please enter an integer between %d and
// %d.": nothing is cut to fit a narrower column.
void DDV_MinMaxInt(CDataExchange* pDX, int value, int low, int high);
// An edit's text to or from a date: shown through COleDateTime::Format (empty for a null
// date), read through ParseDateTime with `flags`. An empty text gives a null date; a text that
// is no date is refused with "Please enter a date and/or time.".
void DDX_Text(CDataExchange* pDX, int id, COleDateTime& value, DWORD flags = 0);
// A check box's state (0 or 1) to or from `value`; an item the dialog lacks is skipped.
void DDX_Check(CDataExchange* pDX, int id, int& value);
// Refuses, when saving, a text longer than `maxChars` characters: the message, then the focus
// back in the control exchanged last.
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars);
