// Reads a host's answer to a statement as it arrives: one JSON text per
// line, first the column names, then the rows (with their places in the
// order when asked for), then the end mark. Kept apart from the network so
// that any bytes a host may send can be tried on it alone. An answer that
// could only be a host's fault is refused: an endless line, more rows than
// asked for, places of differing lengths, anything after the end.
#pragma once

#include "indexing/statement/OrderedAnswer.h"

#include <QByteArray>
#include <QJsonArray>

namespace tessellon {

class AnswerReader {
public:
    // maxRecords: the most rows the question allows (0: no cap).
    explicit AnswerReader(int maxRecords = 0) : maxRecords_(maxRecords) {}

    // Takes the next piece of the answer; throws ProviderError at a line
    // that cannot be read or a row that does not fit.
    void take(const char* data, size_t length);
    // True once the end mark came and nothing followed it.
    bool whole() const { return ended_ && pending_.isEmpty(); }
    // The rows as they came, once the answer is whole.
    statement::OrderedAnswer result() { return std::move(answer_); }

    // The longest line taken: far beyond any row a service writes.
    static constexpr qsizetype MaxLineBytes = 4 << 20;

private:
    void line(const QByteArray& text);
    void row(const QJsonArray& values);

    int maxRecords_;
    statement::OrderedAnswer answer_;
    QByteArray pending_;
    bool ended_ = false;
};

} // namespace tessellon
