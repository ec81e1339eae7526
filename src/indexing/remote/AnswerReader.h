// Reads a host's answer to a statement as it arrives: one JSON text per
// line, first the column names, then the rows (with their places in the
// order when asked for), then the end mark. Kept apart from the network so
// that any bytes a host may send can be tried on it alone.
#pragma once

#include "indexing/statement/OrderedAnswer.h"

#include <QByteArray>
#include <QJsonArray>

namespace tessellon {

class AnswerReader {
public:
    // Takes the next piece of the answer; throws ProviderError at a line
    // that cannot be read or a row that does not fit the columns.
    bool take(const char* data, size_t length);
    // True once the end mark came and nothing followed it.
    bool whole() const { return ended_ && pending_.isEmpty(); }
    // The rows as they came, once the answer is whole.
    statement::OrderedAnswer result() { return std::move(answer_); }

private:
    void line(const QByteArray& text);
    void row(const QJsonArray& values);

    statement::OrderedAnswer answer_;
    QByteArray pending_;
    bool ended_ = false;
};

} // namespace tessellon
