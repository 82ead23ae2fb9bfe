#pragma once

#include "platform/core/CMemoryException.h"
#include "platform/dao/CaughtDaoError.h"

#include <functional>
#include <type_traits>

// Runs one step of building a site database and turns a DAO or memory exception from it into a
// failure (0), deleting the exception. A step that returns nothing succeeds with 1; one that
// returns a value gives that value.
template <typename Step> int RunOrZero(Step&& step) {
    try {
        if constexpr (std::is_void_v<std::invoke_result_t<Step&>>) {
            step();
            return 1;
        } else {
            return step();
        }
    } catch (CDaoException* e) {
        CaughtDaoError error(e);
    } catch (CMemoryException* e) {
        e->Delete();
    }
    return 0;
}
