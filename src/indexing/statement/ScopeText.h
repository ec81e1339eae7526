// The scope strings inside SCOPE(...): an optional depth and one path or a
// parenthesised list of paths, each in double quotes (quotes may be left off
// a single path without blanks):
//   ' DEEP TRAVERSAL OF "/home/u/Docs" '   ' SHALLOW TRAVERSAL OF ("/a", "/b") '
#pragma once

#include <QString>
#include <vector>

namespace tessellon::statement {

struct ScopeFolder {
    QString path;
    bool deep = true; // the folder and everything below it; else only its files
};

// The folders one scope string names. Throws LiteralError.
std::vector<ScopeFolder> parseScopeText(const QString& text);

} // namespace tessellon::statement
