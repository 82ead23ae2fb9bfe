#include "platform/dao/DaoReadScope.h"

#include "platform/dao/CDaoException.h"
#include "platform/dao/CaughtDaoError.h"
#include "platform/dao/DaoConnection.h"
#include "platform/dao/DaoStatement.h"

DaoReadScope::DaoReadScope(DaoConnection& connection) : m_connection(connection) {
    DaoStatement begin(m_connection, "SAVEPOINT MSysMqRead");
    begin.Run();
}

// Never raises: it may run while an exception is on its way out.
DaoReadScope::~DaoReadScope() {
    CatchDaoError([&] {
        DaoStatement end(m_connection, "RELEASE MSysMqRead");
        end.Run();
    });
}
