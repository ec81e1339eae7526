// Hosts that fail while answering: one that never answers runs into the
// time-out, and one that breaks off mid-answer is never taken as whole.
#include "common/Error.h"
#include "indexing/remote/AccessToken.h"
#include "indexing/remote/RemoteHostClient.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <gtest/gtest.h>
#include <httplib.h>
#include <thread>

using namespace tessellon;

namespace {

// A host that answers /v1/query with the header and one row, then hangs up.
class BreakingHost {
public:
    BreakingHost() {
        server_.Post("/v1/query", [](const httplib::Request&, httplib::Response& response) {
            response.set_chunked_content_provider(
                "application/x-ndjson", [](size_t, httplib::DataSink& sink) {
                    const std::string start = "{\"columns\":[\"Path\"],\"recordCount\":2}\n"
                                              "[[12,\"/a.txt\"]]\n";
                    sink.write(start.data(), start.size());
                    return false; // the connection drops here
                });
        });
        port = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
    }
    ~BreakingHost() {
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

    BreakingHost breaking;
    RemoteHostClient broken(
        RemoteHost{u"BROKEN"_qs, u"http://127.0.0.1:%1"_qs.arg(breaking.port), token, QString()});
    std::shared_ptr<const RecordSet> answer;
    const QString brokeOff =
        failureOf([&] { answer = broken.query(u"SELECT Path FROM A..SCOPE()"_qs, 0); });
    EXPECT_FALSE(brokeOff.isEmpty());
    EXPECT_EQ(answer, nullptr) << "a broken answer was taken as whole";
}

} // namespace
