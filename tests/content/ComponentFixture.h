#pragma once
// Component packages built by the tests: a component database of DbID 77 in the site schema
// with its own ComponentsInstalled row, objects of all sixteen copied kinds that refer to each
// other (and to objects outside it), a deleted row and a row of DbID 0, template texts naming
// keys, an own table with key columns and own queries; beside it files in subfolders and links
// that lead out of the package. The site is the generation tests' (service 5:10 developed in
// "C:\dev\site"), the component root a folder of the test.

#include "tests/content/GenerationFixture.h"

#include <filesystem>
#include <string>
#include <vector>

class ComponentTest : public GenerationTest {
protected:
    static constexpr LONG kComponentDb = 77;

    void SetUp() override;
    void TearDown() override;

    // Builds the package in `folder` (database "guest.mdb") with that version.
    void BuildPackage(const std::filesystem::path& folder, LONG version);
    // Registers the package database `fileName` of the folder; LoadComponentInfo's result.
    int Register(const std::filesystem::path& folder, const std::string& fileName = "guest.mdb");
    // Inserts the registered guest book into service 5:10 with that target directory.
    int InsertGuestBook(const std::string& targetDirectory);

    // The rows an SQL selection returns from the database at path, each "value|value|...".
    static std::vector<std::string> Rows(const std::string& path, const std::string& sql);
    // The files and folders under a folder, relative, sorted; folders end with "/".
    static std::vector<std::string> Tree(const std::filesystem::path& folder);
    // The names of the tables (system tables left out) and of the stored queries of a database.
    static std::vector<std::string> TableNames(const std::string& path);
    static std::vector<std::string> QueryNames(const std::string& path);

    std::filesystem::path Package() const { return m_dir.path() / "pkg" / "guestbook"; }
    std::filesystem::path Components() const { return m_dir.path() / "root" / "Components"; }
    std::filesystem::path ServiceDirectory() const { return m_dir.path() / "dev" / "site"; }
    std::filesystem::path Target() const { return m_dir.path() / "target"; }

    std::string m_savedDirectory;
};
