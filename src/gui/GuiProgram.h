// The interactive program: the Qt desktop, the windows' logic objects, the
// batch run when arguments are given, the Qt windows and the event loop.
#pragma once

#include "app/TKorvaneTessellonMain.h"
#include "common/CatalogManagement.h"

#include <QStringList>

namespace tessellon {

// Called with the QApplication already created. Returns the exit status:
// 1 when the batch run failed, else 0. Without catalog management there is
// no first start and no catalog manager.
int runGuiProgram(const QStringList& arguments, QueryProvider& provider,
                  AdminConnectionFactory adminFactory, CatalogNamesSource registryCatalogNames,
                  CatalogManagement* management = nullptr);

} // namespace tessellon
