// What the executor runs for one statement: one SQLite SELECT over the
// attached catalog stores and the values bound to its parameters. User text
// only ever travels in `parameters`, never inside `sql`.
#pragma once

#include "indexing/statement/PatternMatcher.h"
#include "indexing/statement/Property.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <variant>
#include <vector>

namespace tessellon::statement {

// A bound parameter: an integer, a text, raw path bytes, or a compiled
// pattern handed to the registered match functions as a pointer.
using SqlParameter = std::variant<std::int64_t, QString, QByteArray, const PatternMatcher*>;

struct QueryPlan {
    QString sql;
    std::vector<SqlParameter> parameters;
    // The result columns in order: column i holds selectList[i].
    std::vector<Property> selectList;
    // How many columns after them hold the row's place in the order.
    int placeColumns = 0;
};

} // namespace tessellon::statement
