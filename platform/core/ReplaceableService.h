#pragma once
// A process-wide service with a built-in default that the program or a test can replace: the
// clock, the message-box and engine-message sinks, the message pump, the random source. One
// object per service, made at namespace scope in the file that offers the service.

template <typename Interface, typename Default> class ReplaceableService {
public:
    // Installs replacement (null puts the default back) and answers the replacement it took
    // the place of, or null when that was the default.
    Interface* Replace(Interface* replacement) {
        Interface* previous = m_current;
        m_current = replacement ? replacement : &m_default;
        return previous == &m_default ? nullptr : previous;
    }
    Interface& Get() { return *m_current; }

private:
    Default m_default;
    Interface* m_current = &m_default;
};
