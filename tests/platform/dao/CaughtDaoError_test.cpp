#include "platform/dao/CaughtDaoError.h"

#include "platform/dao/DaoErrors.h"

#include <gtest/gtest.h>

TEST(CaughtDaoError, CatchDaoErrorAnswersTheFirstCodeOrZero) {
    EXPECT_EQ(CatchDaoError([] {}), 0);
    EXPECT_EQ(CatchDaoError([] { CDaoException::Throw(daoErrLocked, "locked"); }), daoErrLocked);
}

TEST(CaughtDaoError, ReadsTheListAndHandsTheErrorOnForARethrow) {
    CDaoException* passedOn = nullptr;
    try {
        try {
            auto* e = new CDaoException;
            e->AddError(3022, "duplicate", "DAO.Recordset");
            e->AddError(daoErrLocked, "locked", "DAO.Recordset");
            throw e;
        } catch (CDaoException* e) {
            CaughtDaoError error(e);
            EXPECT_EQ(error.Code(), 3022);
            EXPECT_EQ(error.Code(1), daoErrLocked);
            EXPECT_EQ(error.Code(2), 0);
            EXPECT_TRUE(error.Has(daoErrLocked));
            EXPECT_FALSE(error.Has(3021));
            EXPECT_EQ(error.Message(), "duplicate");
            throw error.Release();
        }
    } catch (CDaoException* e) {
        passedOn = e;
    }
    ASSERT_NE(passedOn, nullptr);
    EXPECT_EQ(CaughtDaoError(passedOn).Code(), 3022);
}
