// The program's start-up: creates the windows' logic objects in their fixed
// order and, given arguments, runs one search unattended (batch mode) and
// writes its report.
#pragma once

#include "app/CommandLine.h"
#include "app/TKorvaneTessellonMain.h"
#include "common/CatalogManagement.h"
#include "query/TKorvaneTessellonAdvancedIXSSO.h"
#include "query/TKorvaneTessellonAdvancedSQL.h"
#include "search/TKorvaneTessellonPreview.h"

namespace tessellon {

class TessellonApplication {
public:
    TessellonApplication(Platform& platform, QueryProvider& provider,
                         AdminConnectionFactory adminFactory,
                         CatalogNamesSource registryCatalogNames = {},
                         CatalogManagement* management = nullptr);

    // Creates the five windows: main, web preview, search type, document
    // preview, advanced dialog. With catalog management, a first start (no
    // catalog declared yet) creates the catalog System first.
    void createWindows();
    // The batch sequence; only called when there is at least one argument.
    void runBatch(const QStringList& arguments);

    TKorvaneTessellonMain& main() { return *main_; }
    TKorvaneTessellonAdvancedSQL& advanced() { return *advanced_; }
    TKorvaneTessellonAdvancedIXSSO& searchType() { return *searchType_; }
    TKorvaneTessellonPreview1& webPreview() { return *preview1_; }
    // The catalogs of this computer, for the catalog manager; may be null.
    CatalogManagement* catalogManagement() { return management_; }
    const BatchOptions& options() const { return options_; }

    bool startedWithArguments() const { return startedWithArguments_; }
    // Whether the program is to end after the batch (quit flag or an error).
    bool terminateRequested() const { return terminateRequested_; }
    // Whether the batch showed an error or its search executed nothing or
    // failed: the process then ends with status 1.
    bool batchFailed() const { return batchFailed_; }
    // Why the batch's search executed nothing or failed (empty when it ran).
    const QString& searchFailure() const { return searchFailure_; }

private:
    void fail(const QString& message);
    void loadQueryFileStep();
    // False when the search must not run: the file names catalogs, none of
    // them exists, and no statement names others (expert mode).
    bool loadSearchFileStep();
    void searchStep();
    void writeReportStep();

    Platform& platform_;
    QueryProvider& provider_;
    AdminConnectionFactory adminFactory_;
    CatalogNamesSource registryCatalogNames_;
    CatalogManagement* management_;

    std::unique_ptr<TKorvaneTessellonMain> main_;
    std::unique_ptr<TKorvaneTessellonPreview1> preview1_;
    std::unique_ptr<TKorvaneTessellonAdvancedIXSSO> searchType_;
    std::unique_ptr<TKorvaneTessellonPreview2> preview2_;
    std::unique_ptr<TKorvaneTessellonAdvancedSQL> advanced_;

    BatchOptions options_;
    bool startedWithArguments_ = false;
    bool terminateRequested_ = false;
    bool batchFailed_ = false;
    QString searchFailure_;
};

} // namespace tessellon
