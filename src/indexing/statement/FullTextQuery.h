// The full-text conditions inside CONTAINS and FREETEXT, read into a small
// tree of words, phrases and operators. The tree says what the user asked for;
// Fts5Expression turns it into the index's own query syntax.
#pragma once

#include <QString>
#include <QStringList>
#include <algorithm>
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
    int depth = 1; // levels of the tree, this node included

    static FullTextExpr term(QString text, bool prefix) {
        return FullTextExpr{Kind::Term, std::move(text), prefix, {}, 1};
    }
    static FullTextExpr combine(Kind kind, std::vector<FullTextExpr> operands) {
        int depth = 0;
        for (const FullTextExpr& operand : operands)
            depth = std::max(depth, operand.depth);
        return FullTextExpr{kind, QString(), false, std::move(operands), depth + 1};
    }
};

// How deep a full-text tree may nest: the walks over it recurse once per
// level, and the index's own query parser overflows its stack on trees
// little more than 30 deep.
inline constexpr int MaxFullTextDepth = 24;
// How many words or phrases one NEAR may join: matching them costs the index
// time that grows steeply with their number.
inline constexpr int MaxNearOperands = 10;

// A CONTAINS condition: words, "phrases", prefixes (comp* or "comp*"),
// AND/&, OR/|, AND NOT/&!, NEAR/~, parentheses and FORMSOF(INFLECTIONAL, ...).
// Words next to each other without an operator form a phrase. AND, OR, NOT
// and NEAR are operators only where an operator can stand; where a word is
// expected they are words ("cats AND and" looks for "cats" and "and").
// Throws LiteralError for an empty condition, unbalanced quotes or
// parentheses, a tree nested deeper than MaxFullTextDepth or a NEAR of more
// than MaxNearOperands operands.
FullTextExpr parseContainsText(const QString& text);

// A FREETEXT text: documents that hold any of its words, double-quoted or
// not. A quoted part of several words is also sought as a phrase, so that
// the words together rank higher. Throws LiteralError when nothing is left.
FullTextExpr parseFreeText(const QString& text);

} // namespace tessellon::statement
