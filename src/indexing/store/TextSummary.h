// The Characterization property: a short summary made of the first sentences
// of a document's text.
#pragma once

#include <QString>

namespace tessellon::TextSummary {

// Whole sentences from the start of the text, blanks collapsed, up to about
// 250 characters (a first sentence longer than that is cut at a word).
QString characterization(const QString& text);

} // namespace tessellon::TextSummary
