// Documents the filter tests make: zip containers and a small valid PDF.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Writes a zip container with these members (deflated); throws
// std::runtime_error when it cannot.
void writeZip(const QString& path, const QList<QPair<const char*, QByteArray>>& members);

// A one-page PDF with a line of text and a document info dictionary, with a
// correct cross-reference table.
QByteArray onePagePdf(const QByteArray& text);
