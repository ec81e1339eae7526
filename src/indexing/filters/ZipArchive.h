// Read access to the members of a zip container (OOXML and ODF documents),
// with a cap on what one member may unpack to, so a zip bomb costs nothing.
#pragma once

#include <QByteArray>
#include <QStringList>

struct zip;

namespace tessellon {

class ZipArchive {
public:
    // Throws Error when the file is not a readable zip archive.
    explicit ZipArchive(const QByteArray& path);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    QStringList names() const;
    bool contains(const QString& name) const;
    // The member's bytes, at most the cap; empty when it is missing.
    QByteArray read(const QString& name) const;

private:
    zip* archive_ = nullptr;
};

} // namespace tessellon
