#include "tests/setup/SetupFixture.h"

#include "db/QZDbUpdate.h"
#include "platform/dao/CDaoDatabase.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

void MakeSiteDatabase(const std::string& path, LONG dbId) {
    QZDbUpdate update;
    ASSERT_TRUE(update.CreateNewDatabase(path.c_str(), 0, 1)) << path;
    CDaoDatabase db;
    db.Open(path.c_str());
    CString sql;
    sql.Format("UPDATE Marquill SET DbID = %ld, Miscellaneous = ''", dbId);
    db.Execute(sql);
    db.Close();
}

std::string FileBytes(const std::string& path) {
    std::stringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

SetupFolders::SetupFolders() {
    setenv("MARQUILL_ROOT", m_root.path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", file("config").c_str(), 1);
}

SetupFolders::~SetupFolders() {
    unsetenv("MARQUILL_ROOT");
    unsetenv("XDG_CONFIG_HOME");
}

std::string SetupFolders::environment() const {
    return "MARQUILL_ROOT='" + m_root.path().string() + "' XDG_CONFIG_HOME='" + file("config") +
           "'";
}
