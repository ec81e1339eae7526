// Another computer for the remote tests: config and data folders of its own,
// its programs run with them, and a free loopback port for its service.
#pragma once

#include "ServiceSandbox.h"

#include <QTcpServer>

class OtherComputer {
public:
    OtherComputer() {
        env_.insert(QStringLiteral("TESSELLON_CONFIG_DIR"), dir.filePath(QStringLiteral("config")));
        env_.insert(QStringLiteral("TESSELLON_DATA_DIR"), dir.filePath(QStringLiteral("data")));
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        port = probe.serverPort();
    }
    ~OtherComputer() { admin({QStringLiteral("service"), QStringLiteral("stop")}); }

    CommandResult admin(const QStringList& args) const {
        return ServiceSandbox::run(ServiceSandbox::binary(QStringLiteral("tessellon-admin")), args,
                                   env_);
    }
    QString tokenFile() const { return dir.filePath(QStringLiteral("config/remote-token")); }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(port); }

    // A catalog over one file, served on the loopback port; false when a
    // step failed.
    bool serveCatalog(const QString& name, const QString& fileName, const QByteArray& content) {
        const QString folder = dir.mkdir(name);
        dir.write(name + u'/' + fileName, content);
        return admin({QStringLiteral("add"), name, QStringLiteral("--scope"), folder}).exitCode ==
                   0 &&
               admin({QStringLiteral("rescan"), name}).exitCode == 0 &&
               admin({QStringLiteral("remote"), QStringLiteral("enable"),
                      QStringLiteral("--listen"), QStringLiteral("127.0.0.1:%1").arg(port)})
                       .exitCode == 0 &&
               admin({QStringLiteral("service"), QStringLiteral("start")}).exitCode == 0;
    }

    TempDir dir;
    quint16 port = 0;

private:
    QProcessEnvironment env_ = QProcessEnvironment::systemEnvironment();
};
