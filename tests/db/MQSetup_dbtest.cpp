// The set-up step: mqsetup makes the first development site database at the default path, and
// leaves a file that is there alone.

#include "db/QZStoredQueryTexts.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoRecordset.h"
#include "platform/dao/CDaoTableDef.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace {

std::string Bytes(const std::string& path) {
    std::stringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

// Runs mqsetup with the drive root in `root`; its exit status, and its output in *output.
int RunSetup(const std::string& root, std::string* output) {
    TempDir scratch;
    std::string log = scratch.file("out");
    std::string command = "MARQUILL_ROOT='" + root + "' '" MQ_SETUP_PROGRAM "' >'" + log + "' 2>&1";
    int status = std::system(command.c_str());
    *output = Bytes(log);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(MQSetup, MakesADevelopmentSiteDatabaseOnceAndThenLeavesItAlone) {
    TempDir root;
    std::string path = root.file("Marquill/mq.mdb");
    std::string output;
    ASSERT_EQ(0, RunSetup(root.path().string(), &output)) << output;
    EXPECT_NE(std::string::npos, output.find(path)) << output;
    ASSERT_TRUE(std::filesystem::exists(path));

    {
        CDaoDatabase db;
        db.Open(path.c_str());
        CDaoRecordset row(&db);
        row.Open(dbOpenSnapshot, "SELECT DbID, VersionNumber, Miscellaneous FROM Marquill");
        ASSERT_FALSE(row.IsEOF());
        LONG dbId = row.GetFieldValue(0).lVal;
        EXPECT_GT(dbId, 1);
        EXPECT_EQ(CString("1.30"), row.GetFieldValue(1).bstrVal);
        EXPECT_EQ(CString(""), row.GetFieldValue(2).bstrVal);
        row.MoveNext();
        EXPECT_TRUE(row.IsEOF()) << "one version row";
        row.Close();
        EXPECT_EQ(static_cast<short>(QZStoredQueryTexts::All().size()), db.GetQueryDefCount());
        CDaoTableDef documents(&db);
        documents.Open("Documents");
        CDaoFieldInfo key;
        documents.GetFieldInfo("DocID", key, AFX_DAO_ALL_INFO);
        EXPECT_TRUE(key.m_lAttributes & dbAutoIncrField);
        EXPECT_NE(std::string::npos, output.find("DbID " + std::to_string(dbId))) << output;
    }
    EXPECT_FALSE(std::filesystem::exists(path + ".setup"));

    std::string made = Bytes(path);
    ASSERT_EQ(0, RunSetup(root.path().string(), &output)) << output;
    EXPECT_NE(std::string::npos, output.find("already")) << output;
    EXPECT_TRUE(made == Bytes(path)) << "the second run changed the file";
}

TEST(MQSetup, FileThatIsThereIsNeverReplaced) {
    TempDir root;
    std::filesystem::create_directory(root.path() / "Marquill");
    std::ofstream(root.file("Marquill/mq.mdb")) << "not a database";
    std::string output;
    EXPECT_EQ(0, RunSetup(root.path().string(), &output)) << output;
    EXPECT_EQ("not a database", Bytes(root.file("Marquill/mq.mdb")));
}

TEST(MQSetup, FolderThatCannotBeMadeFailsWithAMessage) {
    TempDir root;
    std::ofstream(root.file("Marquill")) << "a file where the folder should be";
    std::string output;
    EXPECT_NE(0, RunSetup(root.path().string(), &output));
    EXPECT_NE(std::string::npos, output.find("mqsetup: cannot make the folder")) << output;
}

} // namespace
