// A temporary folder for one test, removed with everything in it at the end,
// with helpers to write files into it.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class TempDir {
public:
    TempDir();

    QString path() const { return dir_.path(); }
    // Absolute path of a name inside the folder.
    QString filePath(const QString& relative) const;
    // Writes the bytes to the relative path, creating missing folders.
    QString write(const QString& relative, const QByteArray& bytes) const;
    QString mkdir(const QString& relative) const;
    QByteArray read(const QString& relative) const;

private:
    QTemporaryDir dir_;
};
