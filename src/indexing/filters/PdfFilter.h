// PDF through poppler: the text of every page and the document info (Title,
// Subject, Author, Keywords). An encrypted document that cannot be opened
// fails with a message.
#pragma once

#include "indexing/filters/FilterResult.h"

#include <QByteArray>

namespace tessellon::PdfFilter {

FilterResult extract(const QByteArray& path);

} // namespace tessellon::PdfFilter
