#pragma once
// The stack of contexts that parsing a template text fills: the context on top receives the
// commands made from the tokens, and a block pushes the context of each of its sections while
// its statements are parsed.

#include <vector>

class QZVantrelContext;

class QZContextStack {
public:
    // `base` (the parser itself) stands on top while nothing is pushed.
    explicit QZContextStack(QZVantrelContext* base) : m_pBase(base) {}

    void Reset() { m_contexts.clear(); }
    void Push(QZVantrelContext* context) { m_contexts.push_back(context); }
    // Removes the top context and returns it; none when the stack is empty.
    QZVantrelContext* Pop();
    QZVantrelContext* Top() const;
    int GetDepth() const { return static_cast<int>(m_contexts.size()); }

private:
    QZVantrelContext* m_pBase;
    std::vector<QZVantrelContext*> m_contexts;
};
