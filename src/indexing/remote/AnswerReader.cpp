#include "indexing/remote/AnswerReader.h"

#include "common/Error.h"
#include "indexing/remote/PlaceJson.h"
#include "indexing/remote/VariantJson.h"
#include "indexing/statement/StatementRecordSet.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tessellon {

namespace {

[[noreturn]] void unreadable() {
    throw ProviderError(QStringLiteral("The host sent an answer that cannot be read"));
}

} // namespace

void AnswerReader::take(const char* data, size_t length) {
    // Only the new bytes can end a line, and the lines read are dropped
    // once, so a long line in many pieces or many lines in one piece cost
    // time in proportion to their bytes.
    const qsizetype scanned = pending_.size();
    pending_.append(data, qsizetype(length));
    qsizetype start = 0;
    for (qsizetype end = pending_.indexOf('\n', scanned); end >= 0;
         end = pending_.indexOf('\n', start)) {
        line(pending_.sliced(start, end - start));
        start = end + 1;
    }
    pending_.remove(0, start);
    if (pending_.size() > MaxLineBytes)
        unreadable();
}

void AnswerReader::line(const QByteArray& text) {
    if (ended_)
        unreadable();
    const QJsonDocument document = QJsonDocument::fromJson(text);
    if (document.isArray()) {
        row(document.array());
    } else if (document.object().contains(QStringLiteral("row"))) {
        row(document[QStringLiteral("row")].toArray());
        answer_.places.push_back(decodePlace(document[QStringLiteral("place")].toArray()));
        if (answer_.places.back().size() != answer_.places.front().size())
            unreadable();
    } else if (document.object().contains(QStringLiteral("columns")) && answer_.names.isEmpty()) {
        for (const QJsonValue& name : document[QStringLiteral("columns")].toArray())
            answer_.names << name.toString();
        // A hint only: a host cannot make this side reserve without bound.
        constexpr qint64 MostReserved = 100000;
        answer_.rows.reserve(std::size_t(std::clamp(
            document[QStringLiteral("recordCount")].toInteger(), qint64(0), MostReserved)));
    } else if (document[QStringLiteral("end")].toBool()) {
        ended_ = true;
    } else {
        unreadable();
    }
}

void AnswerReader::row(const QJsonArray& values) {
    if (maxRecords_ > 0 && answer_.rows.size() >= std::size_t(maxRecords_))
        throw ProviderError(QStringLiteral("The host sent more rows than asked for"));
    statement::StatementRecordSet::Row row;
    for (const QJsonValue& value : values)
        row.push_back(decodeVariant(value));
    if (qsizetype(row.size()) != answer_.names.size())
        throw ProviderError(QStringLiteral("The host sent a row that does not fit"));
    answer_.rows.push_back(std::move(row));
}

} // namespace tessellon
