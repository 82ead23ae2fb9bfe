#pragma once
// A list of contexts that it owns, in the order they were added: the case sections of a when
// command.

#include "platform/core/Types.h"

#include <memory>
#include <vector>

class QZVantrelContext;

class QZContextList {
public:
    QZContextList() = default;
    QZContextList(const QZContextList&) = delete;
    QZContextList& operator=(const QZContextList&) = delete;

    // Appends a context; the list deletes it when it goes.
    void AddTail(QZVantrelContext* context);
    int GetCount() const { return static_cast<int>(m_contexts.size()); }
    // The context at index (from 0).
    QZVantrelContext* GetAt(int index) const { return m_contexts[index].get(); }

private:
    std::vector<std::unique_ptr<QZVantrelContext>> m_contexts;
};
