#include "html/PicturePath.h"

#include <QRegularExpression>
#include <QtGlobal>

namespace tessellon {

namespace {

// The value of an environment variable; the captions arrive lower-cased, so
// the name as written is tried first, then in capitals.
QString environmentValue(const QString& name) {
    if (qEnvironmentVariableIsSet(name.toLocal8Bit().constData()))
        return qEnvironmentVariable(name.toLocal8Bit().constData());
    return qEnvironmentVariable(name.toUpper().toLocal8Bit().constData());
}

QString expandReferences(QString path, const QString& programFolder) {
    static const QRegularExpression app(QStringLiteral("%app%"),
                                        QRegularExpression::CaseInsensitiveOption);
    path.replace(app, programFolder);
    // The first %NAME% reference, with every repeat of it.
    static const QRegularExpression reference(QStringLiteral("%([^%]+)%"));
    const QRegularExpressionMatch match = reference.match(path);
    if (match.hasMatch())
        path.replace(match.captured(0), environmentValue(match.captured(1)));
    return path;
}

} // namespace

PictureSource resolvePicturePath(const QString& src, const QString& programFolder) {
    PictureSource source;
    const qsizetype colon = src.indexOf(u':');
    source.protocol = colon >= 0 ? src.left(colon) : QString();
    QString rest = colon >= 0 ? src.mid(colon + 1) : src;
    if (source.protocol == QLatin1String("file") || source.protocol == QLatin1String("res")) {
        while (rest.startsWith(u'/'))
            rest.remove(0, 1);
        rest.replace(u'|', u':');
        source.resource = source.protocol == QLatin1String("res");
        if (!source.resource && !rest.startsWith(u'%'))
            rest.prepend(u'/');
        source.path = rest;
    } else {
        source.path = src;
    }
    source.path = expandReferences(source.path, programFolder);
    return source;
}

QString resourcePicturePath(const QString& name) {
    return QStringLiteral(":/") + name.toUpper();
}

} // namespace tessellon
