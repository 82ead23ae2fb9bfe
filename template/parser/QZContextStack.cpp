#include "template/parser/QZContextStack.h"

QZVantrelContext* QZContextStack::Pop() {
    if (m_contexts.empty())
        return nullptr;
    QZVantrelContext* top = m_contexts.back();
    m_contexts.pop_back();
    return top;
}

QZVantrelContext* QZContextStack::Top() const {
    return m_contexts.empty() ? m_pBase : m_contexts.back();
}
