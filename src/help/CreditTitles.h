// The role titles of the About window's credits roll, in order.
#pragma once

#include <QStringList>

namespace tessellon {

const QStringList& creditTitles();
// The name written under every title.
inline const QString CreditAuthor = QStringLiteral("The Tessellon team");

} // namespace tessellon
