// This computer's indexing service answering other computers over HTTP/1.1
// with JSON bodies, under /v1/: the service's state, the catalogs with their
// figures, and starting and stopping a catalog. Every request must carry the
// access token (Authorization: Bearer); without it the answer is 401 and
// nothing else. Bodies are bounded, and files are never served.
#pragma once

#include "indexing/remote/RemoteSettings.h"

#include <QByteArray>
#include <functional>
#include <memory>
#include <thread>

namespace httplib {
class Server;
}

namespace tessellon {

class RemoteServer {
public:
    static constexpr std::size_t MaxBodyBytes = 64 * 1024;

    // `log` receives one line per failure that nobody else sees.
    RemoteServer(const RemoteSettings& settings, QByteArray token,
                 std::function<void(const QString&)> log);
    ~RemoteServer();

    // Binds and serves on a thread of its own; throws Error when the
    // address cannot be bound or the TLS files cannot be used.
    void start();
    void stop();

private:
    void route();

    RemoteSettings settings_;
    QByteArray token_;
    std::function<void(const QString&)> log_;
    std::unique_ptr<httplib::Server> server_;
    std::thread thread_;
};

} // namespace tessellon
