#pragma once
// The model of the flat trees of one kind each: macros, forms, e-mail messages, styles and
// scheduled events. One description a kind (its list, image, New command and insert command)
// drives the one class.

#include "db/QZNameAndKeyList.h"
#include "shell/QZObjectTreeModel.h"

struct QZFlatTreeKind {
    SHORT type;
    int image;
    QZNameAndKeyList* (*load)(const QZKeyCombo& site, BOOL showDeleted);
    // The main window's New command of the kind.
    UINT newCommand;
    // The template command an object is inserted as; null for a kind that is not inserted
    // (nor dragged).
    const char* insertCommand;
};

class QZFlatKindTreeModel : public QZObjectTreeModel {
public:
    QZFlatKindTreeModel(const QZFlatTreeKind& kind, QZTreeActions* actions = nullptr);

    // The five kinds.
    static const QZFlatTreeKind& Macros();
    static const QZFlatTreeKind& Forms();
    static const QZFlatTreeKind& Messages();
    static const QZFlatTreeKind& Styles();
    static const QZFlatTreeKind& Events();

    void LoadObjectList(const QZKeyCombo& site) override;
    int GetImageIndex() const override { return m_kind.image; }
    int GetSelectedImageIndex() const override { return m_kind.image; }
    // "<<macro :12>>" and the comment tail; empty for styles and events.
    CString GetInsertText() override;
    BOOL CanDrag() const override { return m_kind.insertCommand != nullptr; }
    void OpenSelected() override;
    void NewObject() override;
    void DeleteSelected() override;
    BOOL OnCommand(UINT command) override;
    BOOL IsCommandEnabled(UINT command) const override;
    // Styles and events take no Insert.
    BOOL HandlesCommand(UINT command) const override;

    SHORT GetObjectType() const { return m_kind.type; }

private:
    const QZFlatTreeKind& m_kind;
};
