#include "indexing/statement/QueryCommand.h"

#include "common/Error.h"
#include "common/PathCodec.h"
#include "common/Utf8.h"
#include "indexing/statement/IndexQueryProvider.h"

namespace tessellon {

namespace {

const QString Usage = QStringLiteral("Usage: tessellon-admin query [--max N] STATEMENT");

// A text as one cell of a tab-separated line that a terminal shows as it
// is and from which the exact bytes of a file name can be read back: a
// backslash, a tab, a line break and every other control character, and
// every byte that is not UTF-8, are written as \\, \t, \n, \r and \xHH.
QString escapedCell(const QString& text) {
    const QByteArray bytes = PathCodec::toBytes(text);
    QString cell;
    const auto hex = [&cell](const QByteArray& raw) {
        for (const char byte : raw)
            cell += QStringLiteral("\\x") +
                    QString::number(uchar(byte), 16).rightJustified(2, u'0').toUpper();
    };
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = std::max(Utf8::validSequenceAt(bytes, i), 1);
        const QByteArray sequence = bytes.mid(i, length);
        i += length;
        const QString character = QString::fromUtf8(sequence);
        const char16_t u = character.size() == 1 ? character[0].unicode() : 0xFFFF;
        if (length == 1 && uchar(sequence[0]) >= 0x80)
            hex(sequence); // not UTF-8
        else if (u == u'\\')
            cell += QStringLiteral("\\\\");
        else if (u == u'\t')
            cell += QStringLiteral("\\t");
        else if (u == u'\n')
            cell += QStringLiteral("\\n");
        else if (u == u'\r')
            cell += QStringLiteral("\\r");
        else if (u < 0x20 || (u >= 0x7F && u <= 0x9F)) // C0, DEL and C1 controls
            hex(sequence);
        else
            cell += character;
    }
    return cell;
}

// Texts escaped as above, dates in local time, arrays in square brackets.
QString cellText(const Variant& value) {
    switch (value.kind()) {
    case Variant::Kind::Empty:
    case Variant::Kind::Null:
        return QString();
    case Variant::Kind::Text:
        return escapedCell(value.toText());
    case Variant::Kind::DateTime:
        return value.toDateTime().toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    case Variant::Kind::Boolean:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case Variant::Kind::Single:
    case Variant::Kind::Double:
        return QString::number(value.toDouble());
    case Variant::Kind::Array: {
        const VariantArray& array = value.toArray();
        QStringList elements;
        if (array.dimensions() == 1) {
            for (int i = array.bound(0).low; i <= array.bound(0).high; ++i)
                elements << cellText(array.at({i}));
        }
        return QLatin1Char('[') + elements.join(QLatin1Char(',')) + QLatin1Char(']');
    }
    default:
        break;
    }
    if (value.isInteger())
        return value.isSigned() ? QString::number(value.toInt64())
                                : QString::number(value.toUInt64());
    return QString();
}

struct Arguments {
    int maxRecords = 0;
    QString statement;
};

// Throws Error with a message for the user.
Arguments parseArguments(const QStringList& args) {
    Arguments parsed;
    QStringList words;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!words.isEmpty() || !arg.startsWith(QLatin1String("--"))) {
            words << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            words << args.mid(i + 1);
            break;
        }
        QString value;
        if (arg == QLatin1String("--max") && i + 1 < args.size())
            value = args[++i];
        else if (arg.startsWith(QLatin1String("--max=")))
            value = arg.mid(6);
        else
            throw Error(QStringLiteral("Unknown option '%1'\n%2").arg(arg, Usage));
        bool ok = false;
        parsed.maxRecords = value.toInt(&ok);
        if (!ok || parsed.maxRecords < 0)
            throw Error(
                QStringLiteral("--max needs a number of rows (0 for all), not '%1'").arg(value));
    }
    parsed.statement = words.join(QLatin1Char(' ')).trimmed();
    if (parsed.statement.isEmpty())
        throw Error(Usage);
    return parsed;
}

} // namespace

int runQueryCommand(const QStringList& args, QTextStream& out, QTextStream& err,
                    const CatalogResolverFactory& makeResolver) {
    try {
        const Arguments parsed = parseArguments(args);
        const std::unique_ptr<CatalogResolver> catalogs = makeResolver();
        IndexQueryProvider provider(*catalogs);
        const auto records = provider.execute(QStringLiteral("Provider=MSIDXS;Data Source="),
                                              parsed.statement, parsed.maxRecords);
        const QStringList names = records->fieldNames();
        out << names.join(QLatin1Char('\t')) << '\n';
        for (int record = 1; record <= records->recordCount(); ++record) {
            QStringList cells;
            for (const QString& name : names)
                cells << cellText(records->field(record, name));
            out << cells.join(QLatin1Char('\t')) << '\n';
        }
        out.flush();
        return 0;
    } catch (const std::exception& e) {
        out.flush();
        err << errorMessage(e) << '\n';
        err.flush();
        return 1;
    }
}

} // namespace tessellon
