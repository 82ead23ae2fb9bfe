#pragma once
// Turns an SQLite result into the CDaoException the system's code expects: the original
// engine's error number and a message of our own that names the table, column or index.

class DaoConnection;

class DaoErrorMap {
public:
    [[noreturn]] static void Throw(DaoConnection& connection, int rc);
};
