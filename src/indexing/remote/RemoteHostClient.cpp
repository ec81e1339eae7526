#include "indexing/remote/RemoteHostClient.h"

#include "common/Error.h"
#include "indexing/remote/AccessToken.h"
#include "indexing/remote/VariantJson.h"

#include <QJsonDocument>
#include <QUrl>
#include <httplib.h>

namespace tessellon {

namespace {

// The rows of a host's answer, as they came.
class RemoteRecordSet : public RecordSet {
public:
    QStringList names;
    QVector<QVector<Variant>> rows;

    int recordCount() const override { return int(rows.size()); }
    QStringList fieldNames() const override { return names; }
    Variant field(int record, const QString& name) const override {
        for (qsizetype i = 0; i < names.size(); ++i) {
            if (names[i].compare(name, Qt::CaseInsensitive) == 0)
                return rows.at(record - 1).at(i);
        }
        throw ProviderError(QStringLiteral("Unknown column '%1'").arg(name));
    }
};

// Reads the answer's lines as they arrive, so a long answer never sits
// whole in one buffer.
class AnswerReader {
public:
    explicit AnswerReader(RemoteRecordSet& records) : records_(records) {}

    bool take(const char* data, size_t length) {
        pending_.append(data, qsizetype(length));
        for (qsizetype end = pending_.indexOf('\n'); end >= 0; end = pending_.indexOf('\n')) {
            line(pending_.left(end));
            pending_.remove(0, end + 1);
        }
        return true;
    }
    bool whole() const { return ended_ && pending_.isEmpty(); }

private:
    void line(const QByteArray& text) {
        const QJsonDocument document = QJsonDocument::fromJson(text);
        if (document.isArray()) {
            QVector<Variant> row;
            for (const QJsonValue& value : document.array())
                row << decodeVariant(value);
            if (row.size() != records_.names.size())
                throw ProviderError(QStringLiteral("The host sent a row that does not fit"));
            records_.rows << std::move(row);
        } else if (document.object().contains(QStringLiteral("columns"))) {
            for (const QJsonValue& name : document[QStringLiteral("columns")].toArray())
                records_.names << name.toString();
            records_.rows.reserve(document[QStringLiteral("recordCount")].toInt());
        } else if (document[QStringLiteral("end")].toBool()) {
            ended_ = true;
        } else {
            throw ProviderError(QStringLiteral("The host sent an answer that cannot be read"));
        }
    }

    RemoteRecordSet& records_;
    QByteArray pending_;
    bool ended_ = false;
};

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
    client_->set_connection_timeout(connectSeconds, 0);
    client_->set_read_timeout(requestSeconds, 0);
    client_->set_write_timeout(requestSeconds, 0);
}

void RemoteHostClient::unreachable(const QString& why) const {
    throw ProviderError(
        QStringLiteral("Host %1 (%2) cannot be reached: %3").arg(host_.name, host_.url, why));
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
    const QJsonDocument answer = QJsonDocument::fromJson(QByteArray::fromStdString(response.body));
    if (response.status != 200) {
        const QString message = answer[QStringLiteral("error")].toString();
        throw ProviderError(
            message.isEmpty()
                ? QStringLiteral("Host %1 answered %2").arg(host_.name).arg(response.status)
                : message);
    }
    return answer;
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
    auto records = std::make_shared<RemoteRecordSet>();
    AnswerReader reader(*records);
    httplib::Request request;
    request.method = "POST";
    request.path = "/v1/query";
    request.headers = {{"Authorization", authorization_}, {"Content-Type", "application/json"}};
    request.body = QJsonDocument(QJsonObject{{QStringLiteral("statement"), statement},
                                             {QStringLiteral("maxRecords"), maxRecords}})
                       .toJson(QJsonDocument::Compact)
                       .toStdString();
    std::string errorBody;
    httplib::Response response;
    request.content_receiver = [&](const char* data, size_t length, uint64_t, uint64_t) {
        if (response.status != 200) {
            errorBody.append(data, length);
            return true;
        }
        return reader.take(data, length);
    };
    httplib::Error error = httplib::Error::Success;
    if (!client_->send(request, response, error))
        unreachable(failureText(error));
    if (response.status != 200) {
        const QString message =
            QJsonDocument::fromJson(QByteArray::fromStdString(errorBody))[QStringLiteral("error")]
                .toString();
        throw ProviderError(
            message.isEmpty()
                ? QStringLiteral("Host %1 answered %2").arg(host_.name).arg(response.status)
                : message);
    }
    if (!reader.whole())
        throw ProviderError(QStringLiteral("The answer of host %1 broke off").arg(host_.name));
    return records;
}

} // namespace tessellon
