#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

TempDir::TempDir() {
    if (!dir_.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

QString TempDir::filePath(const QString& relative) const {
    return dir_.filePath(relative);
}

QString TempDir::write(const QString& relative, const QByteArray& bytes) const {
    const QString full = filePath(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + full.toStdString());
    return full;
}

QString TempDir::mkdir(const QString& relative) const {
    const QString full = filePath(relative);
    QDir().mkpath(full);
    return full;
}

QByteArray TempDir::read(const QString& relative) const {
    QFile f(filePath(relative));
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + filePath(relative).toStdString());
    return f.readAll();
}
