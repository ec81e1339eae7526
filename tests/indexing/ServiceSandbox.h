// A private config and data folder for one test, set through the service's
// environment variables, with helpers to run tessellon-admin and to read a
// catalog's store the way a user's query would see it.
#pragma once

#include "indexing/store/StoreFigures.h"
#include "support/TempDir.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

struct CommandResult {
    int exitCode = -1;
    QString out;
    QString err;
};

class ServiceSandbox {
public:
    ServiceSandbox();
    ~ServiceSandbox();

    TempDir& dir() { return dir_; }
    QString configDir() const { return dir_.filePath("config"); }
    QString dataDir() const { return dir_.filePath("data"); }
    QString storeFile(const QString& catalog) const;

    static QString binary(const QString& name);
    // Runs one of the built programs and waits for it (killed after the time).
    static CommandResult
    run(const QString& program, const QStringList& args,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
        int timeoutMs = 60000);
    CommandResult admin(const QStringList& args, int timeoutMs = 60000) const;

    // Query helpers over a catalog's store.
    std::int64_t count(const QString& catalog, const char* sql) const;
    QList<QByteArray> paths(const QString& catalog) const;
    bool matches(const QString& catalog, const QString& fulltextQuery) const;
    QString integrityCheck(const QString& catalog) const;
    // The catalog's figures; empty ones while its store cannot be read yet.
    tessellon::StoreFigures figures(const QString& catalog) const;

private:
    TempDir dir_;
    QByteArray oldConfig_, oldData_;
};

// Polls the condition every 20 ms until it holds or the time is up.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs);
