#pragma once
// Handling an engine error caught by pointer. The layer throws CDaoException* as the framework
// did; CaughtDaoError owns one inside its handler and frees it exactly once, whichever way the
// handler is left (return, another exception, or a rethrow through Release), and CatchDaoError
// is the whole "catch an engine error, keep its number, free it" in one call.

#include "platform/dao/CDaoException.h"

#include <utility>

class CaughtDaoError {
public:
    explicit CaughtDaoError(CDaoException* error) : m_error(error) {}
    ~CaughtDaoError();
    CaughtDaoError(const CaughtDaoError&) = delete;
    CaughtDaoError& operator=(const CaughtDaoError&) = delete;

    CDaoException* operator->() const { return m_error; }
    // The code of the error at index of the list, 0 when there is none.
    LONG Code(int index = 0) const;
    // TRUE when any error of the list has the code.
    BOOL Has(LONG code) const;
    // The first error's description.
    CString Message() const;
    // Hands the error on, for a rethrow: `throw error.Release();`.
    CDaoException* Release() { return std::exchange(m_error, nullptr); }

private:
    CDaoException* m_error;
};

// Runs body; an engine error it raises is freed and the code of its first error returned. 0 when
// body ran through.
template <typename Body> LONG CatchDaoError(Body&& body) {
    try {
        std::forward<Body>(body)();
        return 0;
    } catch (CDaoException* e) {
        return CaughtDaoError(e).Code();
    }
}
