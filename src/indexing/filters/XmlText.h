// Text and properties out of the XML parts of office documents (OOXML and
// ODF): the character data of chosen elements, with a line break after each
// paragraph element, and the value of single elements.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tessellon::XmlText {

// Appends the character data of elements named one of textElements (local
// names, any namespace; every element when empty) to out, and a line break
// after each element named one of paragraphElements. Nothing inside an
// element named one of skippedElements counts. Stops at the text cap.
void collect(const QByteArray& xml, const QStringList& textElements,
             const QStringList& paragraphElements, QString& out,
             const QStringList& skippedElements = {});

// The text of every element with that qualified name ("dc:title"), in order.
QStringList values(const QByteArray& xml, const QString& qualifiedName);

} // namespace tessellon::XmlText
