// Statements whose literals try to break out into SQL of their own, over a
// bare SCOPE(): each must fail cleanly or find nothing, and change nothing.
#pragma once

#include <QStringList>

inline const QStringList BreakOutStatements = {
    "SELECT Path FROM SCOPE() WHERE CONTAINS(All, 'x'); DROP TABLE documents; --')",
    "SELECT Path FROM SCOPE() WHERE Filename = '); DROP TABLE documents; --'",
    "SELECT Path FROM SCOPE() WHERE CONTAINS(All, '\"x\") OR rowid > 0 --')",
    "SELECT Path FROM SCOPE(' \"/x\") OR 1=1; DELETE FROM documents; --\" ')",
    "SELECT Path FROM SCOPE() WHERE MATCHES(Filename, '*'' OR ''1''=''1')",
    "SELECT Path FROM SCOPE() WHERE Filename = 'x' UNION SELECT name FROM sqlite_master",
    "SELECT Path FROM main.sqlite_master..SCOPE()",
};
