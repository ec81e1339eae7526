#include "indexing/filters/XmlText.h"

#include "indexing/filters/FilterLimits.h"

#include <QXmlStreamReader>

namespace tessellon::XmlText {

void collect(const QByteArray& xml, const QStringList& textElements,
             const QStringList& paragraphElements, QString& out,
             const QStringList& skippedElements) {
    QXmlStreamReader reader(xml);
    int inText = 0;
    while (!reader.atEnd() && out.size() < FilterLimits::MaxTextChars) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && skippedElements.contains(reader.name())) {
            reader.skipCurrentElement();
            continue;
        }
        switch (token) {
        case QXmlStreamReader::StartElement:
            if (textElements.isEmpty() || textElements.contains(reader.name()))
                ++inText;
            if (reader.name() == QLatin1String("tab"))
                out += QLatin1Char('\t');
            else if (reader.name() == QLatin1String("s") || reader.name() == QLatin1String("br"))
                out += QLatin1Char(' ');
            break;
        case QXmlStreamReader::EndElement:
            if (textElements.isEmpty() || textElements.contains(reader.name()))
                --inText;
            if (paragraphElements.contains(reader.name()))
                out += QLatin1Char('\n');
            break;
        case QXmlStreamReader::Characters:
            if (inText > 0)
                out += reader.text();
            break;
        default:
            break;
        }
    }
    out.truncate(FilterLimits::MaxTextChars);
}

QStringList values(const QByteArray& xml, const QString& qualifiedName) {
    QStringList out;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement &&
            reader.qualifiedName() == qualifiedName) {
            const QString value =
                reader.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            if (!value.isEmpty())
                out << value;
        }
    }
    return out;
}

} // namespace tessellon::XmlText
