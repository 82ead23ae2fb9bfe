// Compiling and running the expressions of a page-sized template: the mix of arithmetic,
// comparisons, string building, methods, functions, arrays, records and dates that a page's
// print, set and if commands hold, and a loop body run many times building a list as text.
// The loop and print commands are not part of this measure: their bodies are driven from here.

#include "template/expressions/QZLocalExprContext.h"
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

// A loop of `state.range(0)` passes over a body that builds a list of items into one text,
// as a while command with print and set commands in its body would.
void BM_LoopBuildingText(benchmark::State& state) {
    const std::vector<std::string> body = {
        "i < n",
        "odd = i % 2",
        "cls = \"row\" + odd",
        "html = html + \"<li class=\" + cls + \">Item \" + i + \": \" + (price * i) + \"</li>\\n\"",
        "i = i + 1",
    };
    const int passes = static_cast<int>(state.range(0));
    size_t length = 0;
    for (auto _ : state) {
        Page page;
        page.parser.GetSymbolTable()->SetInteger("n", passes);
        page.parser.GetSymbolTable()->SetInteger("i", 0);
        page.parser.GetSymbolTable()->SetString("html", "");
        page.parser.GetSymbolTable()->SetDouble("price", 2.5);
        page.Compile(body);
        QZLocalExprContext& condition = *page.contexts.front();
        for (condition.Execute(); condition.GetResult()->IsTrue(); condition.Execute()) {
            for (size_t i = 1; i < page.contexts.size(); i++)
                page.contexts[i]->Execute();
        }
        length = page.parser.GetSymbolTable()->Find("html", FALSE)->GetString().GetLength();
    }
    state.counters["html_bytes"] = static_cast<double>(length);
    state.SetItemsProcessed(state.iterations() * passes);
}
BENCHMARK(BM_LoopBuildingText)->Arg(100)->Arg(1000);

} // namespace
