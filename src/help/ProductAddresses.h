// The maker's addresses: the product's home page (also in the report
// header), its web site and mail address on the About window.
#pragma once

#include <QString>

namespace tessellon {

inline const QString MakerHomePage = QStringLiteral("https://www.korvane.example/tessellon");
inline const QString MakerWebAddress = QStringLiteral("https://www.korvane.example");
inline const QString MakerMailAddress = QStringLiteral("tessellon@korvane.example");
inline const QString MakerSolutionsPage = QStringLiteral("https://www.korvane.example/solutions");

} // namespace tessellon
