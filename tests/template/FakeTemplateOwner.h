#pragma once
// A stand-in for the content object that runs template text: it has a name, a key and a type,
// and keeps every engine message posted to it.

#include "template/QZTemplateOwner.h"

#include <string>
#include <vector>

class FakeTemplateOwner : public QZTemplateOwner {
public:
    struct Message {
        int kind;
        std::string text;
        LONG line;
    };

    FakeTemplateOwner(const CString& name, const QZKeyCombo& key, SHORT type = OBJ_PAGE)
        : m_name(name), m_key(key), m_type(type) {}

    void PostEngineMessage(int kind, const CString& text, LONG line) override {
        m_messages.push_back({kind, text.str(), line});
    }
    SHORT GetObjectType() const override { return m_type; }
    QZKeyCombo GetKey() const override { return m_key; }
    CString GetName() const override { return m_name; }

    const std::vector<Message>& messages() const { return m_messages; }

private:
    CString m_name;
    QZKeyCombo m_key;
    SHORT m_type;
    std::vector<Message> m_messages;
};
