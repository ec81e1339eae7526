#include "indexing/remote/RemoteHostClient.h"

#include "common/Error.h"
#include "indexing/remote/AccessToken.h"
#include "indexing/remote/AnswerReader.h"
#include "indexing/statement/StatementRecordSet.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QUrl>
#include <httplib.h>

namespace tessellon {

namespace {

// Why a request failed, in words a user can act on.
QString failureText(httplib::Error error) {
    switch (error) {
    case httplib::Error::Connection:
        return QStringLiteral("no connection (is its service running, with remote access on?)");
    case httplib::Error::ConnectionTimeout:
        return QStringLiteral("no connection within the time allowed");
    case httplib::Error::Read:
        return QStringLiteral("no answer in time, or the answer broke off");
    case httplib::Error::Write:
        return QStringLiteral("the request could not be sent");
    case httplib::Error::SSLConnection:
        return QStringLiteral("no TLS connection (does the host use TLS?)");
    case httplib::Error::SSLLoadingCerts:
        return QStringLiteral("the CA file cannot be used");
    case httplib::Error::SSLServerVerification:
        return QStringLiteral("SSL server verification failed: its certificate is not vouched "
                              "for (give the host's CA file)");
    default:
        return QString::fromStdString(httplib::to_string(error));
    }
}

} // namespace

RemoteHostClient::RemoteHostClient(const RemoteHost& host)
    : host_(host), authorization_("Bearer " + readSecretFile(host.tokenFile).toStdString()),
      client_(std::make_unique<httplib::Client>(
          QUrl(host.url).adjusted(QUrl::RemovePath).toString().toStdString())) {
    setTimeouts(ConnectTimeoutSeconds, RequestTimeoutSeconds);
    if (!host.caFile.isEmpty())
        client_->set_ca_cert_path(host.caFile.toLocal8Bit().constData());
    client_->enable_server_certificate_verification(true);
}

RemoteHostClient::~RemoteHostClient() = default;

void RemoteHostClient::setTimeouts(int connectSeconds, int requestSeconds) {
    requestSeconds_ = requestSeconds;
    client_->set_connection_timeout(connectSeconds, 0);
    client_->set_read_timeout(requestSeconds, 0);
    client_->set_write_timeout(requestSeconds, 0);
}

void RemoteHostClient::unreachable(const QString& why) const {
    throw ProviderError(
        QStringLiteral("Host %1 (%2) cannot be reached: %3").arg(host_.name, host_.url, why));
}

// The host's own message unchanged, or its status when it gave none.
void RemoteHostClient::refused(int status, const std::string& body) const {
    const QString message =
        QJsonDocument::fromJson(QByteArray::fromStdString(body))[QStringLiteral("error")]
            .toString();
    throw ProviderError(message.isEmpty()
                            ? QStringLiteral("Host %1 answered %2").arg(host_.name).arg(status)
                            : message);
}

QJsonDocument RemoteHostClient::request(const char* method, const std::string& path,
                                        const QByteArray& body) {
    httplib::Request request;
    request.method = method;
    request.path = path;
    request.headers = {{"Authorization", authorization_}};
    if (!body.isEmpty()) {
        request.body = body.toStdString();
        request.headers.emplace("Content-Type", "application/json");
    }
    httplib::Response response;
    httplib::Error error = httplib::Error::Success;
    if (!client_->send(request, response, error))
        unreachable(failureText(error));
    if (response.status != 200)
        refused(response.status, response.body);
    return QJsonDocument::fromJson(QByteArray::fromStdString(response.body));
}

bool RemoteHostClient::isRunning() {
    return request("GET", "/v1/state", {})[QStringLiteral("running")].toBool();
}

QJsonArray RemoteHostClient::catalogs() {
    return request("GET", "/v1/catalogs", {}).array();
}

QJsonObject RemoteHostClient::changeCatalog(const QString& name, bool start) {
    const std::string path = "/v1/catalogs/" + QUrl::toPercentEncoding(name).toStdString() +
                             (start ? "/start" : "/stop");
    return request("POST", path, {}).object();
}

std::shared_ptr<const RecordSet> RemoteHostClient::query(const QString& statement, int maxRecords) {
    statement::OrderedAnswer rows = answer(statement, maxRecords, false);
    return std::make_shared<statement::StatementRecordSet>(std::move(rows.names),
                                                           std::move(rows.rows));
}

statement::OrderedAnswer RemoteHostClient::answer(const QString& statement, int maxRecords,
                                                  bool withPlaces,
                                                  statement::Cancellation* cancellation) {
    const auto calledOff = [&] {
        return ProviderError(
            QStringLiteral("The question to host %1 was called off").arg(host_.name));
    };
    if (cancellation && cancellation->cancelled())
        throw calledOff();
    AnswerReader reader(maxRecords);
    httplib::Request request;
    request.method = "POST";
    request.path = "/v1/query";
    request.headers = {{"Authorization", authorization_}, {"Content-Type", "application/json"}};
    request.body = QJsonDocument(QJsonObject{{QStringLiteral("statement"), statement},
                                             {QStringLiteral("maxRecords"), maxRecords},
                                             {QStringLiteral("ordered"), withPlaces}})
                       .toJson(QJsonDocument::Compact)
                       .toStdString();
    // Shutting the socket down is the one thing another thread may do to a
    // request in flight; it ends the wait at once.
    const statement::Cancellation::Registration stop(cancellation, [this] { client_->stop(); });
    QElapsedTimer clock;
    clock.start();
    std::string errorBody;
    std::optional<ProviderError> failure;
    httplib::Response response;
    request.content_receiver = [&](const char* data, size_t length, uint64_t, uint64_t) {
        if (cancellation && cancellation->cancelled())
            return false;
        if (clock.elapsed() > 2000 * qint64(requestSeconds_)) {
            failure = ProviderError(QStringLiteral("The host %1 sent no whole answer within %2 s")
                                        .arg(host_.name)
                                        .arg(2 * requestSeconds_));
            return false;
        }
        if (response.status != 200) {
            errorBody.append(data, std::min(length, MaxErrorBytes - errorBody.size()));
            return true;
        }
        try {
            reader.take(data, length);
            return true;
        } catch (const ProviderError& e) {
            failure = e;
            return false;
        }
    };
    httplib::Error error = httplib::Error::Success;
    const bool sent = client_->send(request, response, error);
    if (failure)
        throw *failure;
    if (cancellation && cancellation->cancelled())
        throw calledOff();
    if (!sent)
        unreachable(failureText(error));
    if (response.status != 200)
        refused(response.status, errorBody);
    if (!reader.whole())
        throw ProviderError(QStringLiteral("The answer of host %1 broke off").arg(host_.name));
    return reader.result();
}

} // namespace tessellon
