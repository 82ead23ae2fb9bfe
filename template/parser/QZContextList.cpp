#include "template/parser/QZContextList.h"

#include "template/parser/QZVantrelContext.h"

void QZContextList::AddTail(QZVantrelContext* context) {
    m_contexts.emplace_back(context);
}
