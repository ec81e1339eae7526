// The main window as a logic object: its controls as models, the run state of
// the search, and the operations of the window (the search run, the catalog
// list, the host step). The Qt window shows these models and forwards the
// user's actions to the operations.
#pragma once

#include "common/AdminIndexServer.h"
#include "common/BrowsingDataSet.h"
#include "common/ControlModels.h"
#include "common/DataQuery.h"
#include "common/Platform.h"
#include "help/TTMyAbout.h"
#include "search/PreviewPane.h"
#include "search/ResultListModel.h"

#include <QDate>
#include <QStringList>
#include <QTemporaryFile>
#include <cstdint>
#include <functional>
#include <memory>

namespace tessellon {

class TKorvaneTessellonAdvancedSQL;

// The catalog names of the local catalog registry, read when the
// administration interface is unavailable.
using CatalogNamesSource = std::function<QStringList()>;

class TKorvaneTessellonMain {
public:
    // Runs the creation work of the window: computer name, administration
    // connection and its availability, the first catalog list.
    TKorvaneTessellonMain(Platform& platform, QueryProvider& provider,
                          AdminConnectionFactory adminFactory,
                          CatalogNamesSource registryCatalogNames = {});
    ~TKorvaneTessellonMain();
    TKorvaneTessellonMain(const TKorvaneTessellonMain&) = delete;
    TKorvaneTessellonMain& operator=(const TKorvaneTessellonMain&) = delete;

    // The advanced dialog is created after the main window; until then the
    // operations that need it skip their part.
    void setAdvancedDialog(TKorvaneTessellonAdvancedSQL* dialog) { advancedSQL = dialog; }
    TKorvaneTessellonAdvancedSQL* advancedDialog() const { return advancedSQL; }
    Platform& platform() { return platform_; }

    // --- Controls --------------------------------------------------------
    TickListModel CatalogListView;
    ComboBoxModel ComboBox100; // words that must all occur
    ComboBoxModel ComboBox103; // file-name patterns
    ComboBoxModel hostcb;
    ButtonModel Button1; // "&Search"
    ButtonModel Button2; // "&Advanced ..."
    ResultListModel ListView1;
    MemoModel Memo1;             // the status memo
    RadioGroupModel RadioGroup1; // hidden preview option

    PreviewPane preview{*this};

    // --- Data access -----------------------------------------------------
    DataQuery ADOQuery1;
    BrowsingDataSet ds;

    // --- Run state -------------------------------------------------------
    QStringList catalognames;
    QString catalogstr;
    QString sqlstatement;
    QStringList columnfields;
    int resultslimit = 400; // until the first search reads the limit box
    int doccount = 0;
    // While a search runs (automation calls wait for its end).
    bool searching = false;
    // Whether the last run executed no statement or its execution failed.
    bool lastRunFailed = false;
    QString sortcolumn = QStringLiteral("Filename");
    QString sortmarker = QStringLiteral(" [a]");
    QString sortdirectiontext;
    QString localcomputername;
    bool hostislocal = true;
    // The result list's pop-up menu opens only for the local host.
    bool resultPopupEnabled = true;
    bool hostunreachable = false;
    // The converted filter values of the last statement build, reported by
    // the status text.
    QDate startdatevalue;
    QDate enddatevalue;
    QString minsizetext;
    QString maxsizetext;
    std::uint32_t attributemask = 0;

    // --- Catalog administration -----------------------------------------
    bool adminAvailable = false;
    std::unique_ptr<AdminIndexServer> adminConnection;

    // --- Operations ------------------------------------------------------
    // One search run (the Search button, the dialogs' OK, a header click and
    // batch mode all start it).
    void SearchbtnClick();
    // Fills catalognames and catalogstr from the catalog ticks or, in expert
    // mode, from the expert text.
    void fillcatalogstr();
    void fillcatalogsfromsql();

    // The host step: Enter in the host box, and the first step of a run.
    void hostStep();
    // The catalog list's refresh command: renews the administration
    // connection for the same machine, then rebuilds the list.
    void CatalogRefreshClick();
    void RefreshCatalogList();
    // Appends the row of the catalog at which the enumeration stands.
    void AddCatalogItem();

    // The status text of a successful run.
    QString composeStatusText();

    // --- Result list -----------------------------------------------------
    // The row fill: the texts of row `row` (0-based), read from record row+1.
    // The report leaves the icon out (it has no use for it).
    ResultRow ListView1Data(int row, bool withIcon = true);
    // The full path of the hit behind a row; throws when it cannot be read.
    QString GetPath(int row);
    // A header click: sort by that column, alternating the direction.
    void ListView1ColumnClick(int column);

    // --- Report ------------------------------------------------------------
    // Appends the report's blocks (header, column line, rule, one line per
    // row); the file is the blocks in order, each followed by CR LF.
    void preparesaveresults(QStringList& astringlist);
    // File > Save Results.
    void Save1Click();

    // --- File menu ---------------------------------------------------------
    // Query files hold the expert text; loading one switches expert mode on.
    void LoadQueryfile1Click();
    void SaveQueryfile1Click();
    // Search files hold the whole search (the config text).
    void LoadSearch1Click();
    void SaveSearch1Click();

    // --- Settings ------------------------------------------------------------
    // The first showing: applies the saved search unless the program was
    // started with arguments (every error swallowed), then refreshes the
    // catalog list.
    void FormFirstShow(bool startedWithArguments);
    // Said once in the status memo at the first showing (the first start's
    // catalog).
    QString startNotice;
    // Whether the window may close: while automation clients hold the
    // program the user is asked, No being the default.
    bool FormCloseQuery(bool automationHeld);
    // Closing the window saves the search; an error is reported.
    void FormClose();

    // --- Catalog list ------------------------------------------------------
    // A click into the catalog list: catalogstr := the ticked names.
    void CatalogListViewClick();
    // The catalog list's pop-up menu is about to open.
    void CatalogPopupMenuPopup();
    // The catalog action item ("Stop" / "Start") was chosen.
    void CatalogActionClick();
    MenuItemModel catalogActionItem; // caption "Dummy" until first set
    MenuItemModel catalogSeparatorItem;
    MenuItemModel catalogRefreshItem; // "Refresh"

    // --- Tools menu --------------------------------------------------------
    // The Tools menu is about to open: the service item follows the state.
    void Tools1Popup();
    // Starts or stops the indexing service of this computer, waits for it,
    // and shows the state the rebuilt catalog list finds.
    void IndexingService1Click();
    // Opens the catalog manager (the window sets how).
    void IndexingServiceManagement1Click();
    MenuItemModel IndexingService1; // caption "Do Indexing Service" until first set
    MenuItemModel IndexingServiceManagement1;
    std::function<void()> showCatalogManager;

    // --- Help menu -----------------------------------------------------------
    // The manual's first page in the default browser.
    void Help1Click();
    void HomePage1Click();
    // The About window with the program's record (the window adds the
    // application's icon).
    void About1Click();
    ShowAbout showAbout;

    // --- Host box ----------------------------------------------------------
    void hostcbChange();
    void hostcbKeyPress(QChar key);

    // --- Advanced dialog ---------------------------------------------------
    // Shows the advanced dialog modally (the window sets it) and acts on OK.
    void AdvancedbtnClick();
    std::function<ModalResult()> showAdvancedDialog;

private:
    // A fresh administration connection bound to the same machine.
    void renewAdminConnection();

    // Where the last service command writes its error output.
    QTemporaryFile serviceCommandErrors_;

    Platform& platform_;
    AdminConnectionFactory adminFactory_;
    CatalogNamesSource registryCatalogNames_;
    TKorvaneTessellonAdvancedSQL* advancedSQL = nullptr;
};

} // namespace tessellon
