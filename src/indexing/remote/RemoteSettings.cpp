#include "indexing/remote/RemoteSettings.h"

#include "common/Error.h"
#include "indexing/registry/ServicePaths.h"

#include <QFileInfo>
#include <QHostAddress>
#include <QSettings>

namespace tessellon {

QString RemoteSettings::file() {
    return ServicePaths::configDir() + QStringLiteral("/remote.ini");
}

QString RemoteSettings::tokenFile() {
    return ServicePaths::configDir() + QStringLiteral("/remote-token");
}

RemoteSettings RemoteSettings::load() {
    RemoteSettings settings;
    if (!QFileInfo::exists(file()))
        return settings;
    QSettings ini(file(), QSettings::IniFormat);
    if (ini.status() != QSettings::NoError)
        throw FileError(QStringLiteral("Cannot read %1").arg(file()));
    ini.beginGroup(QStringLiteral("remote"));
    settings.enabled = ini.value(QStringLiteral("Enabled")).toBool();
    const QString listen = ini.value(QStringLiteral("Listen")).toString();
    if (!listen.isEmpty())
        settings.setListen(listen);
    settings.tlsCertificate = ini.value(QStringLiteral("TlsCertificate")).toString();
    settings.tlsKey = ini.value(QStringLiteral("TlsKey")).toString();
    settings.insecure = ini.value(QStringLiteral("Insecure")).toBool();
    return settings;
}

void RemoteSettings::save() const {
    QSettings ini(file(), QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("remote"));
    ini.setValue(QStringLiteral("Enabled"), enabled);
    ini.setValue(QStringLiteral("Listen"), listen());
    ini.setValue(QStringLiteral("TlsCertificate"), tlsCertificate);
    ini.setValue(QStringLiteral("TlsKey"), tlsKey);
    ini.setValue(QStringLiteral("Insecure"), insecure);
    ini.endGroup();
    ini.sync();
    if (ini.status() != QSettings::NoError)
        throw FileError(QStringLiteral("Cannot write %1").arg(file()));
}

void RemoteSettings::setListen(const QString& listen) {
    const qsizetype colon = listen.lastIndexOf(u':');
    QString host = colon > 0 ? listen.left(colon) : QString();
    if (host.startsWith(u'[') && host.endsWith(u']'))
        host = host.mid(1, host.size() - 2);
    bool numeric = false;
    const uint number = colon > 0 ? listen.mid(colon + 1).toUInt(&numeric) : 0;
    if (!numeric || number == 0 || number > 65535 || QHostAddress(host).isNull())
        throw Error(QStringLiteral("'%1' is not ADDRESS:PORT (an IP address and a port from 1 "
                                   "to 65535, such as 127.0.0.1:8675 or [::1]:8675)")
                        .arg(listen));
    address = QHostAddress(host).toString();
    port = quint16(number);
}

QString RemoteSettings::listen() const {
    if (address.isEmpty())
        return {};
    const QString host = address.contains(u':') ? u'[' + address + u']' : address;
    return host + u':' + QString::number(port);
}

bool RemoteSettings::loopback() const {
    return QHostAddress(address).isLoopback();
}

void RemoteSettings::check() const {
    if (address.isEmpty())
        throw Error(QStringLiteral("No address to listen on"));
    if (tlsCertificate.isEmpty() != tlsKey.isEmpty())
        throw Error(QStringLiteral("TLS needs both a certificate and its key"));
    for (const QString& pem : {tlsCertificate, tlsKey}) {
        if (!pem.isEmpty() && !QFileInfo(pem).isReadable())
            throw Error(QStringLiteral("Cannot read %1").arg(pem));
    }
    if (!loopback() && !tls() && !insecure)
        throw Error(QStringLiteral("%1 is reachable from other computers: give --tls-cert and "
                                   "--tls-key, or --insecure to send tokens and answers "
                                   "unencrypted")
                        .arg(listen()));
}

} // namespace tessellon
