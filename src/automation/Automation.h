// The automation object. It has no state of its own: its properties are the
// main window's statement, result limit and record count, so a client and
// the window see each other's last values. Search runs a query of its own.
#pragma once

#include "app/TKorvaneTessellonMain.h"
#include "automation/IAutomation.h"

namespace tessellon {

class Automation : public IAutomation {
public:
    // `version` is the program's version, "major.minor.release[.build]".
    Automation(TKorvaneTessellonMain& main, QueryProvider& provider, QString version);

    int Search(const QString& FileName) override;
    QString SQL() const override { return main_.sqlstatement; }
    void setSQL(const QString& value) override { main_.sqlstatement = value; }
    int MaxRecords() const override { return main_.resultslimit; }
    void setMaxRecords(int value) override { main_.resultslimit = value; }
    int RecordCount() const override { return main_.doccount; }
    QString Version() const override;

private:
    TKorvaneTessellonMain& main_;
    QueryProvider& provider_;
    QString version_;
};

} // namespace tessellon
