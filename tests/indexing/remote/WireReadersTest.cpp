// What this side reads from another computer, without a network: the
// answer's lines however the pieces fall, and values that no encoder
// writes but a host may send.
#include "common/Error.h"
#include "indexing/remote/AnswerReader.h"
#include "indexing/remote/VariantJson.h"
#include "support/QtPrinters.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

using namespace tessellon;

namespace {

const QByteArray Answer = "{\"columns\":[\"Path\",\"Size\"],\"recordCount\":2}\n"
                          "[[12,\"/a.txt\"],[5,\"120\"]]\n"
                          "{\"row\":[[12,\"/b.txt\"],[5,\"7\"]],\"place\":[[\"i\",\"7\"],null]}\n"
                          "{\"end\":true}\n";

TEST(AnswerReader, ReadsTheSameAnswerWhereverThePiecesEnd) {
    for (const qsizetype piece :
         {qsizetype(1), qsizetype(2), qsizetype(7), qsizetype(64), Answer.size()}) {
        AnswerReader reader;
        for (qsizetype at = 0; at < Answer.size(); at += piece)
            reader.take(Answer.constData() + at, size_t(std::min(piece, Answer.size() - at)));
        ASSERT_TRUE(reader.whole()) << piece;
        const statement::OrderedAnswer answer = reader.result();
        EXPECT_EQ(answer.names, (QStringList{u"Path"_qs, u"Size"_qs})) << piece;
        ASSERT_EQ(answer.rows.size(), 2u) << piece;
        EXPECT_EQ(answer.rows[1][0], Variant(u"/b.txt"_qs)) << piece;
        EXPECT_EQ(answer.rows[1][1], Variant(std::int64_t(7))) << piece;
        EXPECT_EQ(answer.places.size(), 1u) << piece;
    }
}

TEST(AnswerReader, AnAnswerWithoutItsEndOrWithMoreAfterItIsNotWhole) {
    for (const QByteArray& text : {Answer.left(Answer.size() - 13), Answer + "[[12,\"/c"}) {
        AnswerReader reader;
        reader.take(text.constData(), size_t(text.size()));
        EXPECT_FALSE(reader.whole()) << text.toStdString();
    }
}

// Arrays whose bounds reach the ends of an int, or whose element count
// overflows: readable ones are arrays like any other, the rest are refused.
TEST(VariantJson, ArrayBoundsAtTheEndsOfAnIntNeverOverflow) {
    struct Case {
        const char* json;
        bool readable;
    };
    const Case cases[] = {
        {"[17,[[2147483646,2147483647]],[[2,1],[2,2]]]", true},
        {"[17,[[-2147483648,-2147483648],[2147483647,2147483647]],[[2,3]]]", true},
        // Empty: lengths whose product overflows, then an empty dimension.
        {"[17,[[0,65535],[0,65535],[0,65535],[0,65535],[0,65535],[1,0]],[]]", true},
        {"[17,[[-2147483648,2147483647]],[]]", false},
        {"[17,[[0,65535],[0,65535],[0,65535],[0,65535]],[]]", false},
        {"[17,[[0,-1],[0,-3]],[]]", false},
    };
    for (const Case& c : cases) {
        const QJsonValue json = QJsonDocument::fromJson(QByteArray("[") + c.json + "]").array()[0];
        if (!c.readable) {
            EXPECT_THROW(decodeVariant(json), ProviderError) << c.json;
            continue;
        }
        const Variant value = decodeVariant(json);
        EXPECT_EQ(encodeVariant(value), json) << c.json;
        EXPECT_EQ(decodeVariant(encodeVariant(value)), value) << c.json;
    }
}

} // namespace
