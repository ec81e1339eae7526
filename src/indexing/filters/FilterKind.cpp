#include "indexing/filters/FilterKind.h"

#include <QHash>

namespace tessellon::FilterKinds {

namespace {

const QHash<QString, FilterKind>& byExtension() {
    static const QHash<QString, FilterKind> table = [] {
        QHash<QString, FilterKind> t;
        for (const char* e :
             {"txt",   "text", "md",  "markdown", "csv",  "tsv", "log", "ini", "cfg",        "conf",
              "json",  "yaml", "yml", "toml",     "c",    "cc",  "cpp", "cxx", "h",          "hh",
              "hpp",   "py",   "sh",  "bash",     "java", "js",  "ts",  "css", "sql",        "tex",
              "rst",   "pl",   "rb",  "go",       "rs",   "bat", "cmd", "ps1", "properties", "diff",
              "patch", "srt",  "vcf", "ics",      "eml",  "asc", "nfo"})
            t.insert(QLatin1String(e), FilterKind::Text);
        for (const char* e : {"html", "htm", "xhtml", "shtml", "mht", "php", "asp", "aspx", "jsp"})
            t.insert(QLatin1String(e), FilterKind::Html);
        for (const char* e : {"xml", "svg", "xsl", "xslt", "xsd", "rss", "atom", "kml", "gpx",
                              "plist", "xaml", "docbook", "opml"})
            t.insert(QLatin1String(e), FilterKind::Xml);
        t.insert(QStringLiteral("rtf"), FilterKind::Rtf);
        t.insert(QStringLiteral("pdf"), FilterKind::Pdf);
        for (const char* e : {"docx", "docm", "dotx", "dotm", "xlsx", "xlsm", "xltx", "xltm",
                              "pptx", "pptm", "potx", "ppsx", "ppsm"})
            t.insert(QLatin1String(e), FilterKind::Ooxml);
        for (const char* e : {"odt", "ods", "odp", "odg", "ott", "ots", "otp"})
            t.insert(QLatin1String(e), FilterKind::Odf);
        for (const char* e : {"fodt", "fods", "fodp", "fodg"})
            t.insert(QLatin1String(e), FilterKind::FlatOdf);
        for (const char* e :
             {"jpg",   "jpeg", "png",   "gif",   "bmp",  "tif", "tiff", "webp", "ico",    "heic",
              "raw",   "cr2",  "nef",   "mp3",   "flac", "ogg", "opus", "wav",  "m4a",    "aac",
              "mp4",   "mkv",  "avi",   "mov",   "webm", "wmv", "zip",  "gz",   "tgz",    "bz2",
              "xz",    "zst",  "7z",    "rar",   "tar",  "iso", "img",  "exe",  "dll",    "so",
              "o",     "a",    "bin",   "class", "jar",  "pyc", "deb",  "rpm",  "sqlite", "sqlite3",
              "db",    "woff", "woff2", "ttf",   "otf",  "doc", "xls",  "ppt",  "psd",    "xcf",
              "qcow2", "vdi",  "pack",  "idx"})
            t.insert(QLatin1String(e), FilterKind::None);
        return t;
    }();
    return table;
}

const char* const Names[] = {"none", "sniff", "text",  "html", "xml",
                             "rtf",  "pdf",   "ooxml", "odf",  "flatodf"};

} // namespace

FilterKind forName(const QString& filename) {
    const qsizetype dot = filename.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0)
        return FilterKind::Sniff;
    return byExtension().value(filename.mid(dot + 1).toLower(), FilterKind::Sniff);
}

bool runsInHelper(FilterKind kind) {
    return kind == FilterKind::Pdf || kind == FilterKind::Ooxml || kind == FilterKind::Odf ||
           kind == FilterKind::FlatOdf;
}

QString name(FilterKind kind) {
    return QLatin1String(Names[int(kind)]);
}

FilterKind fromName(const QString& name) {
    for (int i = 0; i < int(std::size(Names)); ++i) {
        if (name == QLatin1String(Names[i]))
            return FilterKind(i);
    }
    return FilterKind::None;
}

} // namespace tessellon::FilterKinds
