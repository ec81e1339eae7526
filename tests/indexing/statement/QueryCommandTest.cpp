// `tessellon-admin query`: a header line, one tab-separated line per row,
// dates in local time, arrays in brackets; failures on stderr with status 1.
#include "statement/CatalogFixture.h"

#include "common/PathCodec.h"
#include "indexing/statement/QueryCommand.h"

#include <gtest/gtest.h>

using namespace tessellon;

namespace {

// Hands the command a resolver over the fixture's catalogs.
class ForwardingCatalogs : public CatalogResolver {
public:
    explicit ForwardingCatalogs(CatalogResolver& target) : target_(target) {}
    std::optional<ResolvedCatalog> findCatalog(const QString& name) override {
        return target_.findCatalog(name);
    }

private:
    CatalogResolver& target_;
};

class QueryCommandTest : public testing::Test {
protected:
    void SetUp() override {
        fixture.addCatalog(
            "System", {{"a/one.txt", "alpha", "2014-08-15 23:30:00", 5, 0xA0, "", {"red", "green"}},
                       {"b/two.txt", "alpha beta", "2014-01-02 03:04:05"}});
    }

    int run(const QStringList& args) {
        out.clear();
        err.clear();
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        return runQueryCommand(args, outStream, errStream, [this] {
            return std::make_unique<ForwardingCatalogs>(fixture.catalogs());
        });
    }

    CatalogFixture fixture;
    QString out;
    QString err;
};

TEST_F(QueryCommandTest, PrintsHeaderAndRows) {
    EXPECT_EQ(run({"SELECT Filename, Size, Write, DocKeywords FROM SCOPE() WHERE "
                   "CONTAINS('alpha') ORDER BY Filename"}),
              0);
    EXPECT_EQ(out, "Filename\tSize\tWrite\tDocKeywords\n"
                   "one.txt\t5\t2014-08-15 23:30:00\t[red,green]\n"
                   "two.txt\t10\t2014-01-02 03:04:05\t[]\n");
    EXPECT_TRUE(err.isEmpty());
}

TEST_F(QueryCommandTest, CapsRowsAndAcceptsTheStatementInPieces) {
    EXPECT_EQ(run({"--max", "1", "SELECT", "Filename", "FROM", "SCOPE()", "ORDER", "BY", "Filename",
                   "DESC"}),
              0);
    EXPECT_EQ(out, "Filename\ntwo.txt\n");
    EXPECT_EQ(run({"--max=0", "SELECT Filename FROM SCOPE()"}), 0);
    EXPECT_EQ(out.count('\n'), 3);
}

// Each row stays one line that a terminal shows as it is, and a name's
// exact bytes can be read back from it.
TEST_F(QueryCommandTest, NamesAreEscapedLosslessly) {
    const struct {
        QByteArray name;
        QString shown;
    } cases[] = {
        {"tab\there", "tab\\there"},
        {"line\nbreak\r", "line\\nbreak\\r"},
        {"back\\slash", "back\\\\slash"},
        {"\x1b[31mred", "\\x1B[31mred"},
        {"c1\xc2\x9b", "c1\\xC2\\x9B"},
        {"bad\xff\xc3", "bad\\xFF\\xC3"},
        {"Gr\xc3\xbc\xc3\x9f\xe2\x82\xac", "Grüß€"},
    };
    std::vector<CorpusFile> files;
    for (const auto& c : cases)
        files.push_back({"odd/" + PathCodec::fromBytes(c.name), "odd"});
    fixture.addCatalog("Odd", files);
    for (const auto& c : cases) {
        const QString path = fixture.root() + "/odd/" + PathCodec::fromBytes(c.name);
        const QString statement = "SELECT Path FROM Odd..SCOPE() WHERE Path = '" + path + "'";
        EXPECT_EQ(run({statement}), 0) << err.toStdString();
        EXPECT_EQ(out, "Path\n" + fixture.root() + "/odd/" + c.shown + "\n");
    }
}

TEST_F(QueryCommandTest, FailuresGoToStderrWithStatusOne) {
    const struct {
        QStringList args;
        QString message;
    } cases[] = {
        {{"SELECT Filename FROM Nowhere..SCOPE()"}, "Unknown catalog 'Nowhere'"},
        {{"SELECT Filename FROM SCOPE() WHERE CONTAINS('it's')"}, "Syntax error at position"},
        {{"--max", "many", "SELECT Filename FROM SCOPE()"}, "--max needs a number"},
        {{"--verbose", "SELECT Filename FROM SCOPE()"}, "Unknown option '--verbose'"},
        {{}, "Usage: tessellon-admin query [--max N] STATEMENT"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(run(c.args), 1) << c.args.join(' ').toStdString();
        EXPECT_TRUE(err.contains(c.message)) << err.toStdString();
        EXPECT_TRUE(out.isEmpty());
    }
}

} // namespace
