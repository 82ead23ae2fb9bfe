// The text editor on a page text of 1 MiB: cutting it into colour spans, opening it coloured
// on the in-memory buffer, and the recolouring of the line one keystroke touches.

#include "editors/QZEditTarget.h"
#include "editors/QZEditViewLogic.h"
#include "editors/QZMemoryTextBuffer.h"

#include <benchmark/benchmark.h>

namespace {

// A page of about 1 MiB: tags, text, commands of one and several lines, comments, CRLFs.
CString PageText() {
    const std::string block = "<h2>Products</h2>\r\n<p>Our <b>best</b> offers of the week.</p>\r\n"
                              "<<query :12>>\r\n\t<<firstrow>>\r\n\t<tr><td><<print [Name]>></td>"
                              "<td><<print Price, \"$#,##0.00\">></td></tr>\r\n\t<</firstrow>>\r\n"
                              "<</query>>\r\n// Updated <<print LastChanged>>\r\n"
                              "<a href=\"<<print URL>>\">more</a> caf\xc3\xa9\r\n";
    std::string text;
    while (text.size() < (1u << 20))
        text += block;
    return CString(text);
}

class BenchTarget : public QZEditTarget {
public:
    explicit BenchTarget(const CString& text) : m_text(text) {}
    CString GetText() override { return m_text; }
    void SetText(const CString& text) override { m_text = text; }
    QZVantrelMemoFld::ColorSpanList GetColorSpans(const CString& text) override {
        return m_parser.BuildColorSpans(text);
    }
    std::pair<int, int> FindCommandRange(const CString&, int) override { return {0, 0}; }
    QZCommandBase* SetSourceText(const CString&) override { return nullptr; }
    BOOL IsWritable() override { return TRUE; }

private:
    QZVantrelMemoFld m_parser;
    CString m_text;
};

void BM_BuildColorSpans(benchmark::State& state) {
    const CString text = PageText();
    QZVantrelMemoFld parser;
    for (auto _ : state) {
        QZVantrelMemoFld::ColorSpanList spans = parser.BuildColorSpans(text);
        benchmark::DoNotOptimize(spans.size());
    }
    state.SetBytesProcessed(state.iterations() * text.GetLength());
}
BENCHMARK(BM_BuildColorSpans)->Unit(benchmark::kMillisecond);

void BM_OpenColoured(benchmark::State& state) {
    BenchTarget target(PageText());
    for (auto _ : state) {
        QZMemoryTextBuffer buffer;
        QZEditViewLogic view(buffer, &target);
        view.OnInitialUpdate();
        benchmark::DoNotOptimize(buffer.GetLength());
    }
}
BENCHMARK(BM_OpenColoured)->Unit(benchmark::kMillisecond);

// A character typed inside a command in the middle of the page, with its undo pair and the
// recolouring of its line; each iteration is one keystroke, typing and Backspace in turn so
// that the line stays as long.
void BM_KeystrokeRecolour(benchmark::State& state) {
    BenchTarget target(PageText());
    QZMemoryTextBuffer buffer;
    QZEditViewLogic view(buffer, &target);
    view.OnInitialUpdate();
    LONG middle = buffer.GetLength() / 2;
    CString text = buffer.GetText();
    LONG caret = text.Find("<<print [Name]>>", middle) + 10;
    buffer.SetSel(caret, caret);
    bool typed = false;
    for (auto _ : state) {
        if (typed)
            view.GetControl().Backspace();
        else
            view.GetControl().TypeText("x");
        typed = !typed;
    }
    state.counters["undo records"] = static_cast<double>(view.GetUndoList().size());
}
BENCHMARK(BM_KeystrokeRecolour)->Unit(benchmark::kMicrosecond);

} // namespace
