#pragma once
// The generation site of GenerationTest with what forms, scripts, messages and queries need:
// four data databases of a shop (the development file "C:\data\shop.mdb", the production file
// "C:\data\shop-prod.mdb", and the service's own "C:\data\service.mdb" and
// "C:\data\service-prod.mdb", which the service names as its ClientsDb and ClientsProdDb), the
// query objects of the site that name them, and rows of the four template kinds.
//
// Each shop file: Products (ProductID counter key, Name text 40 required, Category text 20,
// Price double, Notes memo, Added date) with Hammer 12.5, Saw 20 and Drill 99.5 in "tools"
// and Apple 0.5 in "food", each name followed by the file's tag; Orders (OrderID counter key,
// Customer text 40 required, Qty long), empty; stored queries ProductsByCategory (cat),
// AllProducts, AllOrders and the action query RaisePrices (delta).

#include "tests/content/GenerationFixture.h"
#include "tests/template/FakeRunOwner.h"

#include <string>

class FormsTest : public GenerationTest {
protected:
    // Query objects of the site (DbID 5, service 5:10).
    static constexpr LONG kByCategory = 31;  // ProductsByCategory in shop.mdb / shop-prod.mdb
    static constexpr LONG kOrders = 32;      // AllOrders in shop.mdb
    static constexpr LONG kServiceRows = 33; // AllProducts in the service's files
    static constexpr LONG kProducts = 41;    // the table Products of shop.mdb
    static constexpr LONG kOrderTable = 42;  // the table Orders of shop.mdb
    static constexpr LONG kRaise = 43;       // the action query RaisePrices of shop.mdb
    static constexpr LONG kNoFile = 44;      // the table Products of a file that is not there

    void SetUp() override;

    static void CreateShopFile(const std::string& path, const std::string& tag);
    // A query object; `table` for a table, else a stored query.
    void AddQuery(LONG id, const std::string& sqlName, bool table, const std::string& database,
                  const std::string& production = "");
    void AddForm(LONG id, const std::string& title, const std::string& text,
                 const std::string& action = "");
    void AddEvent(LONG id, const std::string& title, const std::string& text);
    void AddScript(LONG id, const std::string& title, const std::string& language,
                   const std::string& type, const std::string& text);
    void AddMessage(LONG id, const std::string& title, const std::string& text);

    // The rows of a select in a data file as "a,b;c,d".
    static std::string DataRows(const std::string& file, const std::string& sql);
    std::string ShopFile() const { return UnderRoot("data/shop.mdb"); }

    // The display lines of every message logged so far, which are then forgotten.
    std::vector<std::string> TakeLines();
};

// A form or event whose output, which it otherwise writes nowhere, is kept.
template <class Kind> class Captured : public Kind {
public:
    using Kind::Kind;
    // Runs the action with the output kept; the output of this run.
    std::string Run() {
        output.text.clear();
        this->m_pOutputFile = &output;
        this->RunAction();
        this->m_pOutputFile = nullptr;
        return output.text;
    }
    MemoryFile output;
};
