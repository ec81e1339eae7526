// Where a picture item's "src" points: a file or a program resource, with
// "%app%" and environment references replaced.
#pragma once

#include <QString>

namespace tessellon {

struct PictureSource {
    // Everything before the first ":" of the source, empty when it has none.
    QString protocol;
    // The file path, or for the "res" protocol the resource name.
    QString path;
    bool resource = false;
};

// `programFolder` ends with "/". "file:" paths are made absolute; "|" stands
// for ":" as in old file addresses.
PictureSource resolvePicturePath(const QString& src, const QString& programFolder);

// The Qt resource path of a picture resource name: ":/" and the upper-cased name.
QString resourcePicturePath(const QString& name);

} // namespace tessellon
