#include "indexing/remote/RemoteServer.h"

#include "common/AdminIndexServer.h"
#include "common/Error.h"
#include "indexing/registry/RegistryCatalogResolver.h"
#include "indexing/remote/AccessToken.h"
#include "indexing/remote/PlaceJson.h"
#include "indexing/remote/VariantJson.h"
#include "indexing/service/LocalAdminServer.h"
#include "indexing/statement/IndexQueryProvider.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <httplib.h>

namespace tessellon {

namespace {

void answerJson(httplib::Response& response, int status, const QJsonDocument& body) {
    response.status = status;
    response.set_content(body.toJson(QJsonDocument::Compact).toStdString(), "application/json");
}

void answerError(httplib::Response& response, int status, const QString& message) {
    answerJson(response, status, QJsonDocument(QJsonObject{{QStringLiteral("error"), message}}));
}

// A figure as the administration reads it, or null when it cannot be read.
template <typename Read> QJsonValue figure(Read read) {
    try {
        return QJsonValue(read());
    } catch (const std::exception&) {
        return QJsonValue(QJsonValue::Null);
    }
}

QJsonObject describe(CatalogAdmin& c) {
    return QJsonObject{
        {QStringLiteral("name"), c.CatalogName()},
        {QStringLiteral("location"), c.CatalogLocation()},
        {QStringLiteral("running"), figure([&] { return c.IsCatalogRunning(); })},
        {QStringLiteral("paused"), figure([&] { return c.IsCatalogPaused(); })},
        {QStringLiteral("stopped"), figure([&] { return c.IsCatalogStopped(); })},
        {QStringLiteral("upToDate"), figure([&] { return c.IsUpToDate(); })},
        {QStringLiteral("indexSize"), figure([&] { return qint64(c.IndexSize()); })},
        {QStringLiteral("totalDocumentCount"),
         figure([&] { return qint64(c.TotalDocumentCount()); })},
        {QStringLiteral("documentsToFilter"),
         figure([&] { return qint64(c.DocumentsToFilter()); })},
        {QStringLiteral("queryCount"), figure([&] { return qint64(c.QueryCount()); })},
    };
}

// One line of newline-delimited JSON.
std::string jsonLine(const QJsonDocument& document) {
    return document.toJson(QJsonDocument::Compact).toStdString() + '\n';
}

// Runs a statement over this computer's catalogs; its answer streams as
// lines: the columns with the record count, one line per row (the values,
// or for an ordered answer an object with the values and the row's place),
// and a last line that says the answer is whole.
void answerQuery(const httplib::Request& request, httplib::Response& response) {
    QJsonParseError parsed;
    const QJsonObject body =
        QJsonDocument::fromJson(QByteArray::fromStdString(request.body), &parsed).object();
    const QString statement = body.value(QStringLiteral("statement")).toString();
    if (parsed.error != QJsonParseError::NoError || statement.isEmpty()) {
        answerError(response, 400, QStringLiteral("A query needs a statement"));
        return;
    }
    const bool ordered = body.value(QStringLiteral("ordered")).toBool();
    auto answer = std::make_shared<statement::OrderedAnswer>();
    try {
        RegistryCatalogResolver catalogs;
        IndexQueryProvider provider(catalogs);
        *answer =
            provider.answer(statement, body.value(QStringLiteral("maxRecords")).toInt(), ordered);
    } catch (const std::exception& e) {
        answerError(response, 422, errorMessage(e));
        return;
    }
    auto next = std::make_shared<std::size_t>(0); // the header, then rows from 1
    response.set_chunked_content_provider(
        "application/x-ndjson", [answer, ordered, next](size_t, httplib::DataSink& sink) {
            constexpr int RowsPerChunk = 200;
            const std::size_t count = answer->rows.size();
            std::string chunk;
            if (*next == 0) {
                chunk = jsonLine(QJsonDocument(QJsonObject{
                    {QStringLiteral("columns"), QJsonArray::fromStringList(answer->names)},
                    {QStringLiteral("recordCount"), qint64(count)}}));
                ++*next;
            }
            for (int n = 0; n < RowsPerChunk && *next <= count; ++n, ++*next) {
                QJsonArray row;
                for (const Variant& value : answer->rows[*next - 1])
                    row.append(encodeVariant(value));
                chunk += jsonLine(
                    ordered ? QJsonDocument(QJsonObject{{QStringLiteral("row"), row},
                                                        {QStringLiteral("place"),
                                                         encodePlace(answer->places[*next - 1])}})
                            : QJsonDocument(row));
            }
            if (*next > count)
                chunk += jsonLine(QJsonDocument(QJsonObject{{QStringLiteral("end"), true}}));
            if (!sink.write(chunk.data(), chunk.size()))
                return false;
            if (*next > count)
                sink.done();
            return true;
        });
}

} // namespace

RemoteServer::RemoteServer(const RemoteSettings& settings, QByteArray token,
                           std::function<void(const QString&)> log)
    : settings_(settings), token_(std::move(token)), log_(std::move(log)) {}

RemoteServer::~RemoteServer() {
    stop();
}

void RemoteServer::start() {
    settings_.check();
    if (settings_.tls()) {
        server_ =
            std::make_unique<httplib::SSLServer>(settings_.tlsCertificate.toLocal8Bit().constData(),
                                                 settings_.tlsKey.toLocal8Bit().constData());
    } else {
        server_ = std::make_unique<httplib::Server>();
    }
    if (!server_->is_valid())
        throw Error(QStringLiteral("Cannot use the TLS certificate %1 with the key %2")
                        .arg(settings_.tlsCertificate, settings_.tlsKey));
    route();
    if (!server_->bind_to_port(settings_.address.toStdString(), settings_.port))
        throw Error(QStringLiteral("Cannot listen on %1").arg(settings_.listen()));
    thread_ = std::thread([this] { server_->listen_after_bind(); });
}

void RemoteServer::stop() {
    if (server_)
        server_->stop();
    if (thread_.joinable())
        thread_.join();
}

void RemoteServer::route() {
    httplib::Server& s = *server_;
    s.set_payload_max_length(MaxBodyBytes);
    s.set_read_timeout(30, 0);
    s.set_write_timeout(30, 0);
    // No token, no answer: checked before any route, in constant time.
    s.set_pre_routing_handler([this](const httplib::Request& request, httplib::Response& response) {
        const std::string header = request.get_header_value("Authorization");
        const std::string prefix = "Bearer ";
        const QByteArray given = header.rfind(prefix, 0) == 0
                                     ? QByteArray::fromStdString(header.substr(prefix.size()))
                                     : QByteArray();
        if (tokensEqual(given, token_))
            return httplib::Server::HandlerResponse::Unhandled;
        answerError(response, 401, QStringLiteral("A valid access token is required"));
        return httplib::Server::HandlerResponse::Handled;
    });
    s.set_exception_handler(
        [this](const httplib::Request&, httplib::Response& response, std::exception_ptr failure) {
            QString message = QStringLiteral("internal error");
            try {
                std::rethrow_exception(failure);
            } catch (const std::exception& e) {
                message = errorMessage(e);
            }
            log_(QStringLiteral("remote: %1").arg(message));
            answerError(response, 500, message);
        });

    s.Get("/v1/state", [](const httplib::Request&, httplib::Response& response) {
        answerJson(response, 200,
                   QJsonDocument(
                       QJsonObject{{QStringLiteral("running"), LocalAdminServer().IsRunning()}}));
    });
    s.Get("/v1/catalogs", [](const httplib::Request&, httplib::Response& response) {
        LocalAdminServer server;
        QJsonArray catalogs;
        for (bool more = server.FindFirstCatalog(); more; more = server.FindNextCatalog())
            catalogs.append(describe(*server.GetCatalog()));
        answerJson(response, 200, QJsonDocument(catalogs));
    });
    s.Post("/v1/query", answerQuery);
    s.Post(R"(/v1/catalogs/([A-Za-z_][A-Za-z0-9_-]*)/(start|stop))",
           [](const httplib::Request& request, httplib::Response& response) {
               const QString name = QString::fromStdString(request.matches[1]);
               try {
                   const std::unique_ptr<CatalogAdmin> catalog =
                       LocalAdminServer().GetCatalogByName(name);
                   if (request.matches[2] == "start")
                       catalog->StartCatalog();
                   else
                       catalog->StopCatalog();
               } catch (const std::exception& e) {
                   answerError(response, 404, errorMessage(e));
                   return;
               }
               // Read again: the catalog's state is the registry's now.
               answerJson(response, 200,
                          QJsonDocument(describe(*LocalAdminServer().GetCatalogByName(name))));
           });
}

} // namespace tessellon
