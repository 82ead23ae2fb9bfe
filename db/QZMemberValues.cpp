#include "db/QZMemberValues.h"

namespace {
using Kind = CDaoFieldExchange::Kind;

template <typename T> T& Member(const CDaoFieldExchange::Binding& binding) {
    return *static_cast<T*>(binding.member);
}
} // namespace

QZMemberValues::QZMemberValues(const std::vector<CDaoFieldExchange::Binding>& bindings) {
    for (const CDaoFieldExchange::Binding& binding : bindings) {
        switch (binding.kind) {
        case Kind::Long:
            m_saved.push_back({binding, Member<LONG>(binding)});
            break;
        case Kind::Short:
            m_saved.push_back({binding, Member<short>(binding)});
            break;
        case Kind::Byte:
            m_saved.push_back({binding, Member<BYTE>(binding)});
            break;
        case Kind::Text:
            m_saved.push_back({binding, Member<CString>(binding)});
            break;
        case Kind::DateTime:
            m_saved.push_back({binding, Member<COleDateTime>(binding)});
            break;
        }
    }
}

void QZMemberValues::Restore() const {
    for (const Saved& saved : m_saved) {
        std::visit(
            [&](const auto& value) {
                using T = std::decay_t<decltype(value)>;
                Member<T>(saved.binding) = value;
            },
            saved.value);
    }
}
