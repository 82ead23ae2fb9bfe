// Compiling and running the expressions of a page-sized template: the mix of arithmetic,
// comparisons, string building, methods, functions, arrays, records and dates that a page's
// print, set and if commands hold, and a loop body run many times building a list as text.
// The loop is a page of the language's own for, set and print commands.

#include "platform/core/CFile.h"
#include "template/expressions/QZLocalExprContext.h"
#include "template/expressions/QZTemplateExprContext.h"
#include "template/parser/QZTemplateRunOwner.h"
#include "template/parser/QZVantrelMemoFld.h"
#include "template/values/QZSymbol.h"
#include "template/values/SymbolTable.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// The expressions of one block of a page; a page holds several blocks with their own names.
const char* const kBlock[] = {
    "title%d = \"Products of the month\"",
    "count%d = 12",
    "price%d = $19.95",
    "total%d = price%d * count%d",
    "discount%d = total%d * 0.15",
    "net%d = total%d - discount%d",
    "heading%d = \"<h2>\" + title%d + \" (\" + count%d + \")</h2>\"",
    "count%d > 10 and net%d > $100",
    "line%d = \"<td>\" + net%d + \"</td><td>\" + (count%d * 2 + 1) + \"</td>\"",
    "name%d = \"  Widget Deluxe  \"",
    "short%d = name%d.GetMid(3, 6) + name%d.GetRight(4)",
    "name%d.Find(\"Deluxe\") > 0",
    "code%d = int(\"  42x\") + floor(3.7) + ceiling(2.2) + strlen(name%d)",
    "ratio%d = sqrt(count%d) / abs(-2.5) + float(\"1.25\")",
    "item%d.1 = \"red\", item%d.2 = \"green\", item%d.3 = \"blue\"",
    "size(item%d) == 3",
    "row%d.name = name%d, row%d.price = price%d",
    "label%d = row%d.name + \": \" + row%d.price",
    "start%d = #3/14/1999 10:20#",
    "due%d = start%d + 1m2d",
    "due%d.GetMonth() * 100 + due%d.GetDay()",
    "late%d = due%d - start%d > 30d",
    "note%d = not (count%d % 2) or ratio%d >= 2.0",
    "stars%d = \"*\" * (count%d / 3)",
    "defined(missing%d) == 0",
};
constexpr int kBlocks = 8; // 8 blocks of 25 expressions: a page of 200

std::vector<std::string> PageTexts() {
    std::vector<std::string> texts;
    for (int block = 0; block < kBlocks; block++) {
        for (const char* pattern : kBlock) {
            // Every %d of the pattern is the block's number.
            std::string text;
            for (const char* p = pattern; *p != 0; p++) {
                if (p[0] == '%' && p[1] == 'd') {
                    text += std::to_string(block);
                    p++;
                } else {
                    text += *p;
                }
            }
            texts.push_back(text);
        }
    }
    return texts;
}

// A page being generated: its parser (the scope of its variables) and one expression context
// for each command.
struct Page {
    Page() { parser.SetMode(QZVantrelContext::MODE_GENERATE); }

    void Compile(const std::vector<std::string>& texts) {
        for (const std::string& text : texts) {
            contexts.push_back(std::make_unique<QZLocalExprContext>(&parser));
            contexts.back()->Parse(text.c_str());
        }
    }
    void Run() {
        for (auto& context : contexts)
            context->Execute();
    }

    QZVantrelMemoFld parser;
    std::vector<std::unique_ptr<QZLocalExprContext>> contexts;
};

void BM_CompilePage(benchmark::State& state) {
    std::vector<std::string> texts = PageTexts();
    for (auto _ : state) {
        Page page;
        page.Compile(texts);
        benchmark::DoNotOptimize(page.contexts.back()->GetResult());
    }
    state.SetItemsProcessed(state.iterations() * texts.size());
}
BENCHMARK(BM_CompilePage);

void BM_RunPage(benchmark::State& state) {
    std::vector<std::string> texts = PageTexts();
    Page page;
    page.Compile(texts);
    for (auto _ : state) {
        page.Run();
        benchmark::DoNotOptimize(page.contexts.back()->GetResult());
    }
    state.SetItemsProcessed(state.iterations() * texts.size());
}
BENCHMARK(BM_RunPage);

void BM_CompileAndRunPage(benchmark::State& state) {
    std::vector<std::string> texts = PageTexts();
    for (auto _ : state) {
        Page page;
        page.Compile(texts);
        page.Run();
        benchmark::DoNotOptimize(page.contexts.back()->GetResult());
    }
    state.SetItemsProcessed(state.iterations() * texts.size());
}
BENCHMARK(BM_CompileAndRunPage);

// A page being generated with the language's commands: its output goes to a file that only
// counts the bytes, and its runs are counted as a generation counts them.
class CountingFile : public CFile {
public:
    void Write(const void*, UINT count) override { written += count; }
    size_t written = 0;
};

class BenchOwner : public QZTemplateRunOwner {
public:
    explicit BenchOwner(QZVantrelMemoFld& page) : m_page(page) {
        page.SetMessageOwner(this);
        page.SetRunOwner(this);
        page.SetPageOwner(this);
        page.SetMode(QZVantrelContext::MODE_GENERATE);
    }
    void PostEngineMessage(int, const CString&, LONG) override { messages++; }
    SHORT GetObjectType() const override { return OBJ_PAGE; }
    QZKeyCombo GetKey() const override { return QZKeyCombo(1, 1); }
    CString GetName() const override { return "bench"; }
    QZVantrelMemoFld* GetParser() const override { return &m_page; }
    QZVantrelContext* GetCallingContext() const override { return nullptr; }
    CFile* GetOutputFile() const override { return const_cast<CountingFile*>(&file); }
    BOOL IsPreview() const override { return FALSE; }
    void CountRun() override { runs++; }
    LONG GetRunCount() const override { return runs; }
    BOOL IsOutputFailed() const override { return FALSE; }
    void SetOutputFailed() override {}

    CountingFile file;
    LONG runs = 0;
    int messages = 0;

private:
    QZVantrelMemoFld& m_page;
};

// A for loop of `state.range(0)` turns whose body of set and print commands builds a list
// item by item, as a page's template text does; the page is parsed and run each time.
void BM_LoopBuildingText(benchmark::State& state) {
    QZTemplateExprContext::Register();
    const char* text = "<ul>\n<<for i=0; i<n; i=i+1>><<set odd = i % 2>>"
                       "<li class=\"row<<print odd>>\">Item <<print i>>: "
                       "<<print price * i, \"#,##0.00\">></li>\n<</for>></ul>\n";
    const int passes = static_cast<int>(state.range(0));
    size_t length = 0;
    for (auto _ : state) {
        QZVantrelMemoFld page;
        BenchOwner owner(page);
        page.GetSymbolTable()->SetInteger("n", passes);
        page.GetSymbolTable()->SetDouble("price", 2.5);
        page.Parse(text);
        page.Execute();
        length = owner.file.written;
        if (owner.messages != 0)
            state.SkipWithError("the page reported errors");
    }
    state.counters["html_bytes"] = static_cast<double>(length);
    state.SetItemsProcessed(state.iterations() * passes);
}
BENCHMARK(BM_LoopBuildingText)->Arg(100)->Arg(1000);

} // namespace
