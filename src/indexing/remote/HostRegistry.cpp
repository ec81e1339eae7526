#include "indexing/remote/HostRegistry.h"

#include "common/Error.h"
#include "indexing/registry/ServicePaths.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QUrl>

namespace tessellon {

namespace {

// A host name reads as one name in a statement ("HOST.Catalog..SCOPE()"):
// a letter first, then letters, digits, '_' and '-'.
void checkHostName(const QString& name) {
    bool valid =
        !name.isEmpty() && name.size() <= 63 && name[0].isLetter() && name[0].unicode() < 128;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        valid = valid && ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') ||
                          (u >= '0' && u <= '9') || u == '_' || u == '-');
    }
    if (!valid)
        throw Error(QStringLiteral("'%1' is not a valid host name: use up to 63 letters, digits, "
                                   "'_' and '-', beginning with a letter")
                        .arg(name));
}

qsizetype indexOf(const QList<RemoteHost>& hosts, const QString& name) {
    for (qsizetype i = 0; i < hosts.size(); ++i) {
        if (hosts[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace

HostRegistry::HostRegistry(QString file) : file_(std::move(file)) {}

HostRegistry HostRegistry::standard() {
    return HostRegistry(ServicePaths::configDir() + QStringLiteral("/hosts.ini"));
}

QList<RemoteHost> HostRegistry::load() const {
    QList<RemoteHost> hosts;
    if (!QFileInfo::exists(file_))
        return hosts;
    QSettings ini(file_, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError)
        throw FileError(QStringLiteral("Cannot read %1").arg(file_));
    for (const QString& name : ini.childGroups()) {
        ini.beginGroup(name);
        hosts << RemoteHost{name, ini.value(QStringLiteral("Url")).toString(),
                            ini.value(QStringLiteral("TokenFile")).toString(),
                            ini.value(QStringLiteral("CaFile")).toString()};
        ini.endGroup();
    }
    return hosts;
}

std::optional<RemoteHost> HostRegistry::find(const QString& name) const {
    const QList<RemoteHost> hosts = load();
    const qsizetype i = indexOf(hosts, name);
    return i < 0 ? std::nullopt : std::optional<RemoteHost>(hosts[i]);
}

RemoteHost HostRegistry::require(const QString& name) const {
    const std::optional<RemoteHost> host = find(name);
    if (!host)
        throw ProviderError(QStringLiteral("The host %1 cannot be reached: it is not listed in %2 "
                                           "(tessellon-admin hosts add %1 URL --token-file FILE)")
                                .arg(name, file_));
    return *host;
}

void HostRegistry::add(const RemoteHost& host) const {
    checkHostName(host.name);
    const QUrl url(host.url, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != u"http" && url.scheme() != u"https") ||
        url.host().isEmpty() || url.port() <= 0)
        throw Error(QStringLiteral("'%1' is not the address of a service: write "
                                   "https://HOST:PORT (or http:// for a service on loopback)")
                        .arg(host.url));
    for (const QString& file : {host.tokenFile, host.caFile}) {
        if (!file.isEmpty() && !QFileInfo(file).isReadable())
            throw Error(QStringLiteral("Cannot read %1").arg(file));
    }
    if (host.tokenFile.isEmpty())
        throw Error(QStringLiteral("A host needs the file with its access token"));
    RemoteHost absolute = host;
    absolute.tokenFile = QFileInfo(host.tokenFile).absoluteFilePath();
    if (!host.caFile.isEmpty())
        absolute.caFile = QFileInfo(host.caFile).absoluteFilePath();
    QList<RemoteHost> hosts = load();
    const qsizetype i = indexOf(hosts, host.name);
    if (i >= 0)
        hosts[i] = absolute;
    else
        hosts << absolute;
    save(hosts);
}

bool HostRegistry::remove(const QString& name) const {
    QList<RemoteHost> hosts = load();
    const qsizetype i = indexOf(hosts, name);
    if (i < 0)
        return false;
    hosts.removeAt(i);
    save(hosts);
    return true;
}

void HostRegistry::save(const QList<RemoteHost>& hosts) const {
    QDir().mkpath(QFileInfo(file_).absolutePath());
    QSettings ini(file_, QSettings::IniFormat);
    ini.clear();
    for (const RemoteHost& host : hosts) {
        ini.beginGroup(host.name);
        ini.setValue(QStringLiteral("Url"), host.url);
        ini.setValue(QStringLiteral("TokenFile"), host.tokenFile);
        if (!host.caFile.isEmpty())
            ini.setValue(QStringLiteral("CaFile"), host.caFile);
        ini.endGroup();
    }
    ini.sync();
    if (ini.status() != QSettings::NoError)
        throw FileError(QStringLiteral("Cannot write %1").arg(file_));
}

} // namespace tessellon
