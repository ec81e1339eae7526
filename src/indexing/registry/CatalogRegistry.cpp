#include "indexing/registry/CatalogRegistry.h"

#include "common/Error.h"
#include "common/PathCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

namespace tessellon {

namespace {

constexpr qsizetype MaxNameLength = 99;

QByteArray escapeValue(const QString& value) {
    QByteArray out;
    for (char c : PathCodec::toBytes(value)) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

QString unescapeValue(const QByteArray& raw) {
    QByteArray out;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 1 < raw.size()) {
            const char next = raw[++i];
            out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
        } else {
            out += raw[i];
        }
    }
    return PathCodec::fromBytes(out);
}

QByteArray stateText(CatalogState state) {
    switch (state) {
    case CatalogState::Paused:
        return "paused";
    case CatalogState::Stopped:
        return "stopped";
    case CatalogState::Running:
        break;
    }
    return "running";
}

CatalogState stateFromText(const QString& text) {
    if (text.compare(QLatin1String("stopped"), Qt::CaseInsensitive) == 0)
        return CatalogState::Stopped;
    if (text.compare(QLatin1String("paused"), Qt::CaseInsensitive) == 0)
        return CatalogState::Paused;
    return CatalogState::Running;
}

} // namespace

QStringList defaultExcludePatterns() {
    return {QStringLiteral(".git"), QStringLiteral(".hg"), QStringLiteral(".svn"),
            QStringLiteral(".cache")};
}

CatalogRegistry::CatalogRegistry(QString file) : file_(std::move(file)) {}

QList<CatalogEntry> CatalogRegistry::load() const {
    QFile f(file_);
    if (!f.exists())
        return {};
    if (!f.open(QIODevice::ReadOnly))
        throw FileError(
            QStringLiteral("Cannot read the catalog registry %1: %2").arg(file_, f.errorString()));
    try {
        return parse(f.readAll());
    } catch (const Error& e) {
        throw FileError(
            QStringLiteral("The catalog registry %1 cannot be used: %2 (correct that line)")
                .arg(file_, e.message()));
    }
}

std::optional<CatalogEntry> CatalogRegistry::find(const QString& name) const {
    const QList<CatalogEntry> catalogs = load();
    const qsizetype i = indexOf(catalogs, name);
    if (i < 0)
        return std::nullopt;
    return catalogs[i];
}

void CatalogRegistry::modify(const std::function<void(QList<CatalogEntry>&)>& change) const {
    if (!QDir().mkpath(QFileInfo(file_).absolutePath()))
        throw FileError(QStringLiteral("Cannot create the folder of %1").arg(file_));
    QLockFile lock(file_ + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000);
    if (!lock.tryLock(10000))
        throw FileError(
            QStringLiteral("The catalog registry %1 is locked by another program").arg(file_));
    QList<CatalogEntry> catalogs = load();
    change(catalogs);
    QSaveFile out(file_);
    if (!out.open(QIODevice::WriteOnly) || out.write(serialize(catalogs)) < 0 || !out.commit())
        throw FileError(QStringLiteral("Cannot write the catalog registry %1: %2")
                            .arg(file_, out.errorString()));
}

void CatalogRegistry::checkName(const QString& name) {
    // A statement names the catalog, so it must read as a name there: a
    // letter or '_' first.
    bool valid =
        !name.isEmpty() && name.size() <= MaxNameLength && (name[0].isLetter() || name[0] == u'_');
    for (QChar c : name) {
        const char16_t u = c.unicode();
        const bool allowed = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') ||
                             (u >= '0' && u <= '9') || u == '_' || u == '-';
        valid = valid && allowed;
    }
    if (!valid)
        throw Error(QStringLiteral("'%1' is not a valid catalog name: use 1 to %2 letters, "
                                   "digits, '_' and '-', beginning with a letter or '_'")
                        .arg(name)
                        .arg(MaxNameLength));
}

qsizetype CatalogRegistry::indexOf(const QList<CatalogEntry>& catalogs, const QString& name) {
    for (qsizetype i = 0; i < catalogs.size(); ++i) {
        if (catalogs[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QList<CatalogEntry> CatalogRegistry::parse(const QByteArray& content) {
    QList<CatalogEntry> catalogs;
    QList<int> headingLines;
    int number = 0;
    const auto fail = [&number](const QString& what) {
        throw Error(QStringLiteral("line %1: %2").arg(number).arg(what));
    };
    // Blanks before an absolute path are the hand-written "Key = value".
    const auto absolutePath = [&fail](const char* key, QString value) {
        qsizetype start = 0;
        while (start < value.size() && (value[start] == u' ' || value[start] == u'\t'))
            ++start;
        if (start < value.size() && value[start] == u'/')
            value.remove(0, start);
        if (!QDir::isAbsolutePath(value))
            fail(QStringLiteral("%1 must be an absolute path, not '%2'")
                     .arg(QLatin1String(key), value));
        return value;
    };
    for (QByteArray line : content.split('\n')) {
        ++number;
        if (line.endsWith('\r'))
            line.chop(1);
        const QByteArray trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(';') || trimmed.startsWith('#'))
            continue;
        if (trimmed.startsWith('[') && trimmed.endsWith(']')) {
            CatalogEntry entry;
            entry.name = QString::fromUtf8(trimmed.mid(1, trimmed.size() - 2)).trimmed();
            try {
                checkName(entry.name);
            } catch (const Error& e) {
                fail(e.message());
            }
            if (indexOf(catalogs, entry.name) >= 0)
                fail(QStringLiteral("the catalog '%1' is declared twice").arg(entry.name));
            catalogs << entry;
            headingLines << number;
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (eq < 0)
            fail(QStringLiteral("'%1' is neither a [catalog] heading nor a Key=value line")
                     .arg(QString::fromUtf8(trimmed.left(60))));
        if (catalogs.isEmpty())
            fail(QStringLiteral("a value before the first [catalog] heading"));
        const QByteArray key = line.left(eq).trimmed().toLower();
        const QString value = unescapeValue(line.mid(eq + 1));
        CatalogEntry& entry = catalogs.last();
        if (key == "location") {
            entry.location = absolutePath("Location", value);
        } else if (key == "scope") {
            entry.scopes << absolutePath("Scope", value);
        } else if (key == "exclude") {
            entry.excludes << value;
        } else if (key == "state") {
            entry.state = stateFromText(value);
            if (stateText(entry.state) != value.trimmed().toLower().toUtf8())
                fail(QStringLiteral("State must be running, paused or stopped, not '%1'")
                         .arg(value));
        } else {
            fail(QStringLiteral("unknown key '%1' (Location, Scope, Exclude or State)")
                     .arg(QString::fromUtf8(line.left(eq).trimmed())));
        }
    }
    for (qsizetype i = 0; i < catalogs.size(); ++i) {
        if (catalogs[i].location.isEmpty()) {
            number = headingLines[i];
            fail(QStringLiteral("the catalog '%1' has no Location").arg(catalogs[i].name));
        }
    }
    return catalogs;
}

QByteArray CatalogRegistry::serialize(const QList<CatalogEntry>& catalogs) {
    QByteArray out = "; Catalogs of the Tessellon indexing service, in enumeration order.\n";
    for (const CatalogEntry& c : catalogs) {
        out += "\n[" + c.name.toUtf8() + "]\n";
        out += "Location=" + escapeValue(c.location) + '\n';
        for (const QString& scope : c.scopes)
            out += "Scope=" + escapeValue(scope) + '\n';
        for (const QString& pattern : c.excludes)
            out += "Exclude=" + escapeValue(pattern) + '\n';
        out += "State=" + stateText(c.state) + '\n';
    }
    return out;
}

} // namespace tessellon
