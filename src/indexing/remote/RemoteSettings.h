// Whether and how this computer's indexing service answers other computers:
// remote.ini in the config folder (off when missing), and the access token
// in remote-token beside it. A listen address off the loopback needs TLS
// unless the owner explicitly gave it up.
#pragma once

#include <QString>

namespace tessellon {

struct RemoteSettings {
    bool enabled = false;
    QString address; // an IP address to listen on
    quint16 port = 0;
    QString tlsCertificate; // PEM files; both or neither
    QString tlsKey;
    bool insecure = false; // no TLS off the loopback, on purpose

    static QString file();
    static QString tokenFile();
    // Throws FileError when the file exists but cannot be read, Error when
    // it says something impossible.
    static RemoteSettings load();
    // Replaces the file whole; throws FileError.
    void save() const;

    // "ADDRESS:PORT", "[IPv6]:PORT"; throws Error saying what is wrong.
    void setListen(const QString& listen);
    QString listen() const;
    bool tls() const { return !tlsCertificate.isEmpty(); }
    bool loopback() const;
    // Throws Error when the settings cannot be served as they stand.
    void check() const;
};

} // namespace tessellon
