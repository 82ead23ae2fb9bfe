#include "platform/dao/JetSqlTranslator.h"

#include "platform/dao/JetSqlParser.h"
#include "platform/dao/JetSqlTokenizer.h"
#include "platform/dao/JetSqlWriter.h"

// Three stages: the text into tokens, the tokens into a tree, the tree into SQLite.
JetSqlTranslation JetSqlTranslator::Translate(std::string_view text, const JetSqlCatalog& catalog) {
    return JetSqlWriter::Write(JetSqlParser::Parse(JetSqlTokenizer::Tokenize(text)), catalog);
}
