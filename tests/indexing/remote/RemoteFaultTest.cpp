// Hosts that fail while answering: one that never answers runs into the
// time-out or is called off, one that breaks off mid-answer is never taken
// as whole, and one that answers what no service would is refused.
#include "common/Error.h"
#include "indexing/remote/AccessToken.h"
#include "indexing/remote/PlaceJson.h"
#include "indexing/remote/RemoteHostClient.h"
#include "indexing/remote/VariantJson.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <gtest/gtest.h>
#include <httplib.h>
#include <thread>

using namespace tessellon;

namespace {

// A host that answers /v1/query with the given pieces, a pause after
// each, and then ends the answer or hangs up.
class ScriptedHost {
public:
    ScriptedHost(std::vector<std::string> pieces, int pauseMs, bool ends) {
        server_.Post("/v1/query", [=](const httplib::Request&, httplib::Response& response) {
            response.set_chunked_content_provider(
                "application/x-ndjson", [=](size_t, httplib::DataSink& sink) {
                    for (const std::string& piece : pieces) {
                        if (!sink.write(piece.data(), piece.size()))
                            return false;
                        std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
                    }
                    if (ends)
                        sink.done();
                    return ends; // else the connection drops here
                });
        });
        port = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
    }
    ~ScriptedHost() {
        server_.stop();
        thread_.join();
    }
    int port = 0;

private:
    httplib::Server server_;
    std::thread thread_;
};

QString failureOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const Error& e) {
        return e.message();
    }
    return {};
}

TEST(RemoteFaults, SlowHostTimesOutAndBrokenAnswerIsNeverWhole) {
    TempDir dir;
    const QString token = dir.filePath(u"token"_qs);
    writeSecretFile(token, newAccessToken());

    QTcpServer silent; // accepts, never answers
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    RemoteHostClient slow(RemoteHost{u"SLOW"_qs, u"http://127.0.0.1:%1"_qs.arg(silent.serverPort()),
                                     token, QString()});
    slow.setTimeouts(1, 1);
    QElapsedTimer clock;
    clock.start();
    const QString timedOut = failureOf([&] { slow.isRunning(); });
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_TRUE(timedOut.startsWith(u"Host SLOW (http://127.0.0.1:"_qs)) << timedOut.toStdString();
    EXPECT_TRUE(timedOut.contains(u"cannot be reached"_qs)) << timedOut.toStdString();

    // Called off from another thread, the question ends at once.
    RemoteHostClient waiting(RemoteHost{
        u"SLOW"_qs, u"http://127.0.0.1:%1"_qs.arg(silent.serverPort()), token, QString()});
    statement::Cancellation cancellation;
    std::thread caller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        cancellation.cancel();
    });
    clock.restart();
    EXPECT_EQ(failureOf([&] {
                  waiting.answer(u"SELECT Path FROM A..SCOPE()"_qs, 0, true, &cancellation);
              }),
              u"The question to host SLOW was called off"_qs);
    EXPECT_LT(clock.elapsed(), 3000);
    caller.join();
}

std::string line(const QJsonValue& json) {
    return (json.isArray() ? QJsonDocument(json.toArray()) : QJsonDocument(json.toObject()))
               .toJson(QJsonDocument::Compact)
               .toStdString() +
           '\n';
}

// An ordered row with the path as its value and its place.
std::string row(const char* path, const statement::RowPlace& place) {
    return line(QJsonObject{{u"row"_qs, QJsonArray{encodeVariant(QString::fromUtf8(path))}},
                            {u"place"_qs, encodePlace(place)}});
}

TEST(RemoteFaults, AnswersNoServiceWouldGiveAreRefused) {
    TempDir dir;
    const QString token = dir.filePath(u"token"_qs);
    writeSecretFile(token, newAccessToken());
    const std::string header =
        line(QJsonObject{{u"columns"_qs, QJsonArray{u"Path"_qs}}, {u"recordCount"_qs, 1}});
    const std::string end = line(QJsonObject{{u"end"_qs, true}});
    const std::string a = row("/a", {statement::SortText{"/a"}, std::int64_t(0)});
    const std::string b = row("/b", {statement::SortText{"/b"}, std::int64_t(0)});
    const struct {
        const char* what;
        std::vector<std::string> pieces;
        int pauseMs;
        bool ends;
        QString failure;
    } cases[] = {
        {"broken off", {header, a}, 0, false, u"broke off"_qs},
        {"endless line", {header, std::string(5 << 20, 'x')}, 0, true, u"cannot be read"_qs},
        {"more rows than asked", {header, a, b, b, end}, 0, true, u"more rows than asked"_qs},
        {"row after the end", {header, a, end, b}, 0, true, u"cannot be read"_qs},
        {"places that differ",
         {header, a, row("/b", {statement::SortText{"/b"}}), end},
         0,
         true,
         u"cannot be read"_qs},
        {"not a number", {header, row("/a", {0.0 / 0.0}), end}, 0, true, u"sort value"_qs},
        {"trickling", std::vector<std::string>(20, " "), 300, true,
         u"no whole answer within 2 s"_qs},
    };
    for (const auto& c : cases) {
        ScriptedHost host(c.pieces, c.pauseMs, c.ends);
        RemoteHostClient client(
            RemoteHost{u"ODD"_qs, u"http://127.0.0.1:%1"_qs.arg(host.port), token, QString()});
        client.setTimeouts(1, 1);
        const QString failure =
            failureOf([&] { client.answer(u"SELECT Path FROM A..SCOPE()"_qs, 2, true); });
        EXPECT_TRUE(failure.contains(c.failure)) << c.what << ": " << failure.toStdString();
    }
}

} // namespace
