#include "ServiceSandbox.h"

#include "indexing/registry/ServicePaths.h"
#include "indexing/store/SqliteDatabase.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

using namespace tessellon;

ServiceSandbox::ServiceSandbox()
    : oldConfig_(qgetenv("TESSELLON_CONFIG_DIR")), oldData_(qgetenv("TESSELLON_DATA_DIR")) {
    dir_.mkdir("config");
    dir_.mkdir("data");
    qputenv("TESSELLON_CONFIG_DIR", configDir().toUtf8());
    qputenv("TESSELLON_DATA_DIR", dataDir().toUtf8());
}

ServiceSandbox::~ServiceSandbox() {
    // A daemon a test left running must not outlive its folder.
    admin({"service", "stop"}, 10000);
    qputenv("TESSELLON_CONFIG_DIR", oldConfig_);
    qputenv("TESSELLON_DATA_DIR", oldData_);
}

QString ServiceSandbox::storeFile(const QString& catalog) const {
    return ServicePaths::storeFile(ServicePaths::defaultLocation(catalog));
}

QString ServiceSandbox::binary(const QString& name) {
    return qEnvironmentVariable("TESSELLON_BIN_DIR") + '/' + name;
}

CommandResult ServiceSandbox::admin(const QStringList& args, int timeoutMs) const {
    return run(binary("tessellon-admin"), args, QProcessEnvironment::systemEnvironment(),
               timeoutMs);
}

CommandResult ServiceSandbox::run(const QString& program, const QStringList& args,
                                  const QProcessEnvironment& environment, int timeoutMs) {
    QProcess p;
    p.setProcessEnvironment(environment);
    p.start(program, args);
    CommandResult r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

std::int64_t ServiceSandbox::count(const QString& catalog, const char* sql) const {
    SqliteDatabase db(storeFile(catalog), SqliteDatabase::Mode::ReadOnly);
    SqliteStatement s(db, sql);
    return s.step() ? s.integer(0) : -1;
}

QList<QByteArray> ServiceSandbox::paths(const QString& catalog) const {
    SqliteDatabase db(storeFile(catalog), SqliteDatabase::Mode::ReadOnly);
    SqliteStatement s(db, "SELECT path FROM documents ORDER BY path");
    QList<QByteArray> out;
    while (s.step())
        out << s.blob(0);
    return out;
}

bool ServiceSandbox::matches(const QString& catalog, const QString& fulltextQuery) const {
    SqliteDatabase db(storeFile(catalog), SqliteDatabase::Mode::ReadOnly);
    SqliteStatement s(db, "SELECT count(*) FROM fulltext WHERE fulltext MATCH ?1");
    s.bind(1, fulltextQuery);
    return s.step() && s.integer(0) > 0;
}

QString ServiceSandbox::integrityCheck(const QString& catalog) const {
    SqliteDatabase db(storeFile(catalog), SqliteDatabase::Mode::ReadWrite);
    SqliteStatement s(db, "PRAGMA integrity_check");
    QString result = s.step() ? s.text(0) : QString();
    // The full-text index checks itself against its own structure.
    db.exec("INSERT INTO fulltext(fulltext) VALUES('integrity-check')");
    return result;
}

StoreFigures ServiceSandbox::figures(const QString& catalog) const {
    try {
        return StoreFigures::read(storeFile(catalog));
    } catch (const std::exception&) {
        return {};
    }
}

bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        if (condition())
            return true;
        QThread::msleep(20);
    }
    return condition();
}
