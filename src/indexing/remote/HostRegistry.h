// The hosts a user can reach: hosts.ini in the config folder maps a host
// name (as the host box and statements write it) to the address of its
// indexing service, the file with its access token and, for a certificate
// of its own, the CA file that vouches for it.
#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace tessellon {

struct RemoteHost {
    QString name;
    QString url; // http(s)://host:port
    QString tokenFile;
    QString caFile; // empty: the system's certificate authorities
};

class HostRegistry {
public:
    explicit HostRegistry(QString file);
    // hosts.ini in the service's config folder.
    static HostRegistry standard();

    const QString& file() const { return file_; }
    // Throws FileError when the file exists but cannot be read.
    QList<RemoteHost> load() const;
    // The host of that name, letter case ignored.
    std::optional<RemoteHost> find(const QString& name) const;
    // The same, or a ProviderError that says how to list the host.
    RemoteHost require(const QString& name) const;
    // Checks the host (name, address, readable files) and adds or replaces
    // it; throws Error saying what is wrong.
    void add(const RemoteHost& host) const;
    // False when no host has that name.
    bool remove(const QString& name) const;

private:
    void save(const QList<RemoteHost>& hosts) const;
    QString file_;
};

} // namespace tessellon
