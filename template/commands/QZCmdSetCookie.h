#pragma once
// <<setcookie name=value, ..., expires=date, path="...", domain="...", secure>>: writes one
// HTTP cookie header line for every named parameter other than expires, path, domain and
// secure, with those four as the cookie's attributes, and sets the variable of the cookie's
// name in the enclosing scope to its value. Acts at page generation and in form and event
// processing alike.

#include "template/commands/QZCmdFunction.h"

class COleDateTime;
class QZSymbol;

class QZCmdSetCookie : public QZCmdFunction {
    DECLARE_DYNAMIC(QZCmdSetCookie)
public:
    QZCmdSetCookie(QZVantrelContext* context, const CString& arguments);

    static CString GetSkeleton() {
        return "<<setcookie ???"
               "=???"
               ">>";
    }
    // The cookie date of a local date and time: converted to GMT and written as
    // "Weekday DD-Mon-YY HH:MM:SS GMT" with English names whatever the locale.
    static CString FormatExpires(const COleDateTime& when);
    // A cookie value: a space as "+"; "%", "&", "+", ";", "=", "?" and control characters as
    // "%" and two lower-case hex digits; every other character as it is.
    static CString EncodeValue(const CString& value);

    void WriteSource(CString& text) override;
    // The action's work: setcookie writes its lines in both passes.
    void Execute() override { ExecuteAction(); }
    void ExecuteAction() override;

    const CString& GetExpires() const { return m_expires; }
    const CString& GetPath() const { return m_path; }
    const CString& GetDomain() const { return m_domain; }
    BOOL IsSecure() const { return m_bSecure; }

private:
    // The attributes from the parameters of those names; a path or domain that would break
    // the header line is left out with a message.
    void ReadAttributes();
    CString ReadAttribute(const char* name);
    // The header line of one cookie parameter; empty for a parameter that is none.
    CString CookieLine(QZSymbol* entry);

    CString m_expires;
    CString m_domain;
    CString m_path;
    BOOL m_bSecure = FALSE;
};
