#include "app/TessellonApplication.h"

#include "catalogs/FirstStart.h"
#include "common/Error.h"
#include "common/TextFile.h"
#include "files/ConfigText.h"
#include "files/QueryFiles.h"

#include <algorithm>

namespace tessellon {

TessellonApplication::TessellonApplication(Platform& platform, QueryProvider& provider,
                                           AdminConnectionFactory adminFactory,
                                           CatalogNamesSource registryCatalogNames,
                                           CatalogManagement* management)
    : platform_(platform), provider_(provider), adminFactory_(std::move(adminFactory)),
      registryCatalogNames_(std::move(registryCatalogNames)), management_(management) {}

void TessellonApplication::createWindows() {
    // Before the main window, whose catalog list then shows the new catalog.
    const QString firstStart =
        management_ ? createFirstCatalog(*management_, HomeFolders::ofThisUser()) : QString();
    main_ = std::make_unique<TKorvaneTessellonMain>(platform_, provider_, adminFactory_,
                                                    registryCatalogNames_);
    main_->startNotice = firstStart;
    preview1_ = std::make_unique<TKorvaneTessellonPreview1>();
    main_->preview.setPreviewWindow(preview1_.get());
    searchType_ = std::make_unique<TKorvaneTessellonAdvancedIXSSO>(*main_);
    preview2_ = std::make_unique<TKorvaneTessellonPreview2>();
    advanced_ = std::make_unique<TKorvaneTessellonAdvancedSQL>(*main_);
    main_->setAdvancedDialog(advanced_.get());
}

void TessellonApplication::fail(const QString& message) {
    platform_.showMessage(message);
    terminateRequested_ = true;
    batchFailed_ = true;
}

void TessellonApplication::runBatch(const QStringList& arguments) {
    startedWithArguments_ = true;
    options_ = BatchOptions();
    for (const QString& argument : arguments) {
        if (const std::optional<QString> error = ParseParam(argument, options_))
            fail(*error);
    }
    loadQueryFileStep();
    const bool searchable = loadSearchFileStep();
    advanced_->ComboBox4.text = QString::number(options_.resultLimit);
    if (searchable)
        searchStep();
    writeReportStep();
    if (options_.quit)
        terminateRequested_ = true;
}

void TessellonApplication::searchStep() {
    try {
        main_->SearchbtnClick();
        if (main_->lastRunFailed) {
            batchFailed_ = true;
            searchFailure_ = main_->sqlstatement.isEmpty() ? QStringLiteral("No catalog to search.")
                                                           : main_->Memo1.text;
        }
    } catch (const std::exception& e) {
        fail(errorMessage(e)); // what the general error report would show
    }
}

void TessellonApplication::loadQueryFileStep() {
    if (options_.queryFile.isEmpty()) {
        advanced_->CheckBox25.checked = true;
        advanced_->CheckBox25Click();
        return;
    }
    try {
        loadQueryFile(*advanced_, options_.queryFile);
    } catch (const std::exception&) {
        fail(QStringLiteral("Error opening file: ") + options_.queryFile);
    }
}

bool TessellonApplication::loadSearchFileStep() {
    if (options_.searchFile.isEmpty())
        return true;
    QStringList lines;
    try {
        lines = TextFile::readLines(options_.searchFile);
    } catch (const std::exception&) {
        fail(QStringLiteral("Error opening file: ") + options_.searchFile);
        return true;
    }
    try {
        loadconfigtext(*main_, lines);
    } catch (const std::exception& e) {
        fail(options_.searchFile + QStringLiteral(": ") + errorMessage(e));
        return true;
    }
    // With none of its catalogs ticked, the search would take the first
    // catalog of the list: nobody watches an unattended run to notice that
    // the hits come from another catalog. Expert mode names its catalogs in
    // the statement instead.
    const QStringList named = configCatalogNames(lines);
    const auto& catalogs = main_->CatalogListView.items;
    const bool anyTicked = std::any_of(catalogs.begin(), catalogs.end(),
                                       [](const TickListItem& item) { return item.checked; });
    if (named.isEmpty() || anyTicked || advanced_->expertMode())
        return true;
    fail(
        options_.searchFile +
        QStringLiteral(": none of its catalogs exists (%1)").arg(named.join(QStringLiteral(", "))));
    return false;
}

void TessellonApplication::writeReportStep() {
    if (options_.resultFile.isEmpty())
        return;
    // A report of a batch that went wrong would pass for a real result: none
    // is written then, and the exit status tells the caller.
    if (batchFailed_)
        return;
    QStringList blocks;
    main_->preparesaveresults(blocks);
    try {
        TextFile::writeLines(options_.resultFile, blocks);
    } catch (const std::exception&) {
        fail(QStringLiteral("Error saving file: ") + options_.resultFile);
    }
}

} // namespace tessellon
