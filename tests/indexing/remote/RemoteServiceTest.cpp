// The daemon answering other computers on a loopback port: only with the
// access token, never with more than its figures, and within its limits.
#include "ServiceSandbox.h"
#include "common/Error.h"
#include "indexing/registry/RegistryCatalogResolver.h"
#include "indexing/remote/AccessToken.h"
#include "indexing/remote/RemoteHostClient.h"
#include "indexing/remote/RemoteSettings.h"
#include "indexing/statement/IndexQueryProvider.h"
#include "support/BreakOutStatements.h"
#include "support/QtPrinters.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <gtest/gtest.h>
#include <httplib.h>
#include <random>

using namespace tessellon;

namespace {

class RemoteService : public ::testing::Test {
protected:
    RemoteService() {
        const QString docs = sandbox.dir().mkdir(u"docs"_qs);
        sandbox.dir().write(u"docs/budget.txt"_qs, "the budget\n");
        for (int i = 0; i < 40; ++i)
            sandbox.dir().write(u"docs/note%1.txt"_qs.arg(i),
                                QByteArray("budget note ") + QByteArray::number(i * 7 % 13) +
                                    (i % 3 ? " travel\n" : " invoice\n"));
        EXPECT_EQ(sandbox.admin({u"add"_qs, u"Docs"_qs, u"--scope"_qs, docs}).exitCode, 0);
        EXPECT_EQ(sandbox.admin({u"rescan"_qs, u"Docs"_qs}).exitCode, 0);
        QTcpServer probe; // a free loopback port
        probe.listen(QHostAddress::LocalHost);
        port = probe.serverPort();
        probe.close();
        EXPECT_EQ(
            sandbox
                .admin({u"remote"_qs, u"enable"_qs, u"--listen"_qs, u"127.0.0.1:%1"_qs.arg(port)})
                .exitCode,
            0);
        token = readSecretFile(RemoteSettings::tokenFile()).toStdString();
        const CommandResult started = sandbox.admin({u"service"_qs, u"start"_qs});
        EXPECT_EQ(started.exitCode, 0) << started.err.toStdString();
        client = std::make_unique<httplib::Client>("127.0.0.1", port);
        client->set_connection_timeout(2, 0);
        client->set_read_timeout(10, 0);
    }
    ~RemoteService() override { sandbox.admin({u"service"_qs, u"stop"_qs}); }

    httplib::Headers bearer(const std::string& t) { return {{"Authorization", "Bearer " + t}}; }

    ServiceSandbox sandbox;
    quint16 port = 0;
    std::string token;
    std::unique_ptr<httplib::Client> client;
};

TEST_F(RemoteService, NoTokenNoAnswer) {
    const struct {
        httplib::Headers headers;
    } refused[] = {{{}},
                   {bearer("")},
                   {bearer(token.substr(0, token.size() - 1) + (token.back() == 'a' ? "b" : "a"))},
                   {bearer(newAccessToken().toStdString())},
                   {{{"Authorization", token}}}};
    for (const auto& r : refused) {
        for (const char* path : {"/v1/catalogs", "/v1/state"}) {
            const httplib::Result answer = client->Get(path, r.headers);
            ASSERT_TRUE(answer) << httplib::to_string(answer.error());
            EXPECT_EQ(answer->status, 401);
            EXPECT_EQ(answer->body.find("Docs"), std::string::npos);
        }
        const httplib::Result stop =
            client->Post("/v1/catalogs/Docs/stop", r.headers, "", "text/plain");
        ASSERT_TRUE(stop);
        EXPECT_EQ(stop->status, 401);
    }
    EXPECT_EQ(sandbox.admin({u"list"_qs}).out.split(u'\t').value(1), u"running"_qs);
}

TEST_F(RemoteService, StateCatalogsAndStopWithTheToken) {
    const httplib::Result state = client->Get("/v1/state", bearer(token));
    ASSERT_TRUE(state);
    EXPECT_EQ(state->body, "{\"running\":true}");

    const httplib::Result catalogs = client->Get("/v1/catalogs", bearer(token));
    ASSERT_TRUE(catalogs);
    const QJsonArray list =
        QJsonDocument::fromJson(QByteArray::fromStdString(catalogs->body)).array();
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0][u"name"_qs].toString(), u"Docs"_qs);
    EXPECT_TRUE(list[0][u"running"_qs].toBool());

    const httplib::Result stopped =
        client->Post("/v1/catalogs/Docs/stop", bearer(token), "", "text/plain");
    ASSERT_TRUE(stopped);
    EXPECT_EQ(stopped->status, 200);
    EXPECT_TRUE(
        QJsonDocument::fromJson(QByteArray::fromStdString(stopped->body))[u"stopped"_qs].toBool());
    EXPECT_EQ(sandbox.admin({u"list"_qs}).out.split(u'\t').value(1), u"stopped"_qs);

    const struct {
        const char* path;
        std::string body;
        int status;
    } refused[] = {{"/v1/catalogs/Nope/start", "", 404},
                   {"/v1/catalogs/Docs/start", std::string(70 * 1024, 'x'), 413},
                   {"/v1/files/etc/passwd", "", 404}};
    for (const auto& r : refused) {
        const httplib::Result answer = client->Post(r.path, bearer(token), r.body, "text/plain");
        ASSERT_TRUE(answer) << r.path;
        EXPECT_EQ(answer->status, r.status) << r.path;
    }
}

// For any statement, the host's answer over the network is the engine's
// answer in process: the same columns, rows, order, kinds and values.
TEST_F(RemoteService, AnswersEqualTheEngineInProcess) {
    RemoteHostClient host(RemoteHost{u"B"_qs, u"http://127.0.0.1:%1"_qs.arg(port),
                                     RemoteSettings::tokenFile(), QString()});
    RegistryCatalogResolver catalogs;
    IndexQueryProvider engine(catalogs);
    const QStringList columns = {u"Filename"_qs, u"Size"_qs,   u"Write"_qs,
                                 u"Path"_qs,     u"Attrib"_qs, u"Characterization"_qs};
    const QStringList words = {u"budget"_qs, u"travel"_qs, u"invoice"_qs, u"nothing"_qs};
    std::mt19937 random(20261209);
    for (int round = 0; round < 25; ++round) {
        const QString statement =
            u"SELECT %1, %2 FROM Docs..SCOPE() WHERE CONTAINS(Contents, '%3') ORDER BY %4 %5"_qs
                .arg(columns[random() % columns.size()], columns[random() % columns.size()],
                     words[random() % words.size()], columns[random() % 4],
                     random() % 2 ? u"ASC"_qs : u"DESC"_qs);
        const int limit = int(random() % 30);
        SCOPED_TRACE(statement.toStdString() + " limit " + std::to_string(limit));
        const auto local = engine.execute(QString(), statement, limit);
        const auto remote = host.query(statement, limit);
        ASSERT_EQ(remote->fieldNames(), local->fieldNames());
        ASSERT_EQ(remote->recordCount(), local->recordCount());
        for (int record = 1; record <= local->recordCount(); ++record)
            for (const QString& name : local->fieldNames())
                EXPECT_EQ(remote->field(record, name), local->field(record, name)) << record;
    }
    // Statements that fail, and statements that try to break out into SQL of
    // their own, fare over the network as in process, and change nothing.
    QStringList statements = {u"SELECT Nonsense FROM Docs..SCOPE()"_qs,
                              u"SELECT Path FROM Nope..SCOPE()"_qs, u"SELECT Path FROM '"_qs};
    for (const QString& attack : BreakOutStatements)
        statements << QString(attack).replace(u"FROM SCOPE("_qs, u"FROM Docs..SCOPE("_qs);
    const auto outcome = [](auto run) {
        try {
            return run()->recordCount() == 0 ? u"no rows"_qs : u"rows"_qs;
        } catch (const Error& e) {
            return e.message();
        }
    };
    for (const QString& statement : statements) {
        EXPECT_EQ(outcome([&] { return host.query(statement, 0); }),
                  outcome([&] { return engine.execute(QString(), statement, 0); }))
            << statement.toStdString();
    }
    EXPECT_EQ(host.query(u"SELECT Path FROM Docs..SCOPE()"_qs, 0)->recordCount(), 41);
}

} // namespace
