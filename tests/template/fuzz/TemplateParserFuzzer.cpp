// Runs the template lexer and parser, and their other passes, over arbitrary bytes with the
// language's real commands: nothing may crash or leak, writing a page back must keep what its
// author wrote (commands in the parser's own form), and a second write-back changes nothing.

#include "platform/core/CFile.h"
#include "template/commands/QZCmdComment.h"
#include "template/commands/QZCmdHTML.h"
#include "template/commands/QZCmdStandIn.h"
#include "template/expressions/QZTemplateExprContext.h"
#include "template/parser/QZCommandFactory.h"
#include "template/parser/QZTemplateRunOwner.h"
#include "template/parser/QZToken.h"
#include "template/parser/QZVantrelMemoFld.h"
#include "template/parser/QZVantrelStmtContext.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

class NullFile : public CFile {
public:
    void Write(const void*, UINT count) override { written += count; }
    size_t written = 0;
};

class FuzzOwner : public QZTemplateRunOwner {
public:
    void PostEngineMessage(int, const CString&, LONG) override {}
    SHORT GetObjectType() const override { return OBJ_PAGE; }
    QZKeyCombo GetKey() const override { return QZKeyCombo(1, 1); }
    CString GetName() const override { return "fuzz"; }
    QZVantrelMemoFld* GetParser() const override { return parser; }
    QZVantrelContext* GetCallingContext() const override { return nullptr; }
    CFile* GetOutputFile() const override { return const_cast<NullFile*>(&file); }
    BOOL IsPreview() const override { return FALSE; }
    void CountRun() override { runs++; }
    // Each run weighs 100, so that a loop the text never ends stops after about a thousand
    // turns: the limit itself is tested elsewhere, and under the sanitizers the full hundred
    // thousand would take most inputs' time.
    LONG GetRunCount() const override { return runs * 100; }
    BOOL IsOutputFailed() const override { return FALSE; }
    void SetOutputFailed() override {}

    QZVantrelMemoFld* parser = nullptr;
    LONG runs = 0;
    NullFile file;
};

// True when some command of the tree rebuilds its text from its word and arguments instead of
// keeping it as written: every command but literal text, comments and stand-ins.
bool Rebuilds(const QZVantrelContext* context) {
    for (QZCommandBase* c = context->GetFirstStatement(); c != nullptr; c = c->GetNext()) {
        if (dynamic_cast<QZCmdHTML*>(c) != nullptr || dynamic_cast<QZCmdComment*>(c) != nullptr)
            continue;
        auto* standIn = dynamic_cast<QZCmdStandIn*>(c);
        if (standIn == nullptr)
            return true;
        for (int role = 0; role <= QZCommandBase::SECTION_NOROWS; role++) {
            auto* section = standIn->FindSection(static_cast<QZCommandBase::Section>(role));
            if (section != nullptr && Rebuilds(section))
                return true;
        }
        for (int i = 0; i < standIn->GetCaseCount(); i++) {
            if (Rebuilds(standIn->GetCase(i)))
                return true;
        }
        if (standIn->GetBody() != nullptr && Rebuilds(standIn->GetBody()))
            return true;
    }
    return false;
}

std::string WriteBack(QZVantrelMemoFld& parser, const CString& text) {
    parser.Parse(text);
    CString written;
    parser.WriteSource(written);
    return written.str();
}

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

} // namespace

// The page runs with the language's real expressions and commands, except that arbitrary
// text must not start programs: run keeps its stand-in.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    QZTemplateExprContext::Register();
    QZCommandFactory::Register(TOKEN_RUN, nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    CString text(bytes);
    bool hasNul = bytes.find('\0') != std::string::npos;

    FuzzOwner owner;
    QZVantrelMemoFld parser;
    owner.parser = &parser;
    parser.SetMessageOwner(&owner);
    parser.SetRunOwner(&owner);
    parser.SetPageOwner(&owner);

    parser.SetMode(QZVantrelContext::MODE_REWRITE);
    std::string once = WriteBack(parser, text);
    if (!hasNul) {
        if (!Rebuilds(&parser))
            Check(once == bytes, "write-back keeps the text");
        Check(WriteBack(parser, CString(once)) == once, "write-back is stable");
    }
    parser.GetSegments(text);
    std::string spans;
    for (const QZNameAndId& span : parser.BuildColorSpans(text))
        spans += span.m_Name.str();
    Check(spans == bytes, "colour spans cover the text");

    parser.SetMode(QZVantrelContext::MODE_GENERATE);
    parser.Parse(text);
    parser.Execute();
    parser.CollectSpellWords(text);
    CString translated = text;
    parser.TranslateKeys(translated, nullptr);

    // A nested parser sharing the page's keyword table, as the interpret command makes.
    QZVantrelMemoFld nested(&parser);
    nested.Parse(text);
    nested.Execute();
    return 0;
}
