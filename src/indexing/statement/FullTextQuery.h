// The full-text conditions inside CONTAINS and FREETEXT, read into a small
// tree of words, phrases and operators. The tree says what the user asked for;
// Fts5Expression turns it into the index's own query syntax.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace tessellon::statement {

struct FullTextExpr {
    enum class Kind {
        Term,   // a word or phrase (text holds its words), optionally a prefix
        And,    // every operand
        AndNot, // the first operand without the second
        Or,     // any operand
        Near,   // every operand, close to each other
    };
    Kind kind = Kind::Term;
    QString text;
    bool prefix = false;
    std::vector<FullTextExpr> operands;

    static FullTextExpr term(QString text, bool prefix) {
        return FullTextExpr{Kind::Term, std::move(text), prefix, {}};
    }
    static FullTextExpr combine(Kind kind, std::vector<FullTextExpr> operands) {
        return FullTextExpr{kind, QString(), false, std::move(operands)};
    }
};

// A CONTAINS condition: words, "phrases", prefixes (comp* or "comp*"),
// AND/&, OR/|, AND NOT/&!, NEAR/~, parentheses and FORMSOF(INFLECTIONAL, ...).
// Words next to each other without an operator form a phrase. Throws
// LiteralError for an empty condition, unbalanced quotes or parentheses.
FullTextExpr parseContainsText(const QString& text);

// A FREETEXT text: documents that hold any of its words; a double-quoted
// part must occur as a phrase. Throws LiteralError when nothing is left.
FullTextExpr parseFreeText(const QString& text);

} // namespace tessellon::statement
