#pragma once
// The key of every stored object: the DbID of the database that created it, its number within
// its kind (KeyID) and its object type. Keys travel as text "DbID:KeyID@typename".

#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/core/Types.h"

// Object type codes, the same numbers in keys, recordsets, list items and the type columns of
// the lock and dependency tables. Codes 7 to 10, 15 and 16 belong to no table.
enum ObjectType : SHORT {
    OBJ_NONE = -1,
    OBJ_SERVICE = 0,
    OBJ_SECTION = 1,
    OBJ_PAGE = 2,
    OBJ_MACRO = 3,
    OBJ_IMAGE = 4,
    OBJ_QUERY = 5,
    OBJ_MESSAGE = 6,
    OBJ_PHOTO = 11,
    OBJ_STYLE = 12,
    OBJ_FORM = 13,
    OBJ_AUTHOR = 14,
    OBJ_ACTIVEX = 17,
    OBJ_JAVA = 18,
    OBJ_MEDIA = 19,
    OBJ_SCRIPT = 20,
    OBJ_ADVERTISER = 21,
    OBJ_EVENT = 22,
    OBJ_ADSPACE = 23,
    OBJ_AD = 24,
};

class QZKeyCombo : public CObject {
public:
    QZKeyCombo();
    QZKeyCombo(LONG dbId, LONG keyId);
    QZKeyCombo(LONG dbId, LONG keyId, SHORT objectType);
    QZKeyCombo(const QZKeyCombo& other);
    // A key of the open site database: its DbID is asked of the application now.
    explicit QZKeyCombo(LONG keyId);
    // Parses "DbID:KeyID@typename"; every part may be missing (see QZKeyCombo.cpp).
    explicit QZKeyCombo(const CString& keyText);
    ~QZKeyCombo() override;

    // Copies DbID, KeyID and type, never the cached texts.
    QZKeyCombo& operator=(const QZKeyCombo& other);

    // ":KeyID" when the DbID is the open database's, else "DbID:KeyID". Each formatting call
    // overwrites its own cached text and returns a reference to it.
    const CString& Format() const;
    // "DbID:KeyID" whatever the database.
    const CString& FormatFull() const;
    const CString& FormatDbId() const;
    const CString& FormatKeyId() const;

    void SetDbId(LONG dbId) { m_DbID = dbId; }
    void SetKeyId(LONG keyId) { m_KeyID = keyId; }
    void SetObjectType(SHORT objectType) { m_ObjectType = objectType; }
    // Sets both numbers; the type stays as it was.
    void SetKey(LONG dbId, LONG keyId);
    void SetKeyAndType(LONG dbId, LONG keyId, SHORT objectType);

    LONG m_DbID;
    LONG m_KeyID;
    SHORT m_ObjectType;

private:
    mutable CString m_ShortText;
    mutable CString m_FullText;
    mutable CString m_DbIdText;
    mutable CString m_KeyIdText;
};

// Equal when both DbIDs and both KeyIDs are equal; the object type is not compared.
bool operator==(const QZKeyCombo& a, const QZKeyCombo& b);
