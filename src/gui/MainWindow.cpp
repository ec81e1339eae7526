#include "gui/MainWindow.h"
#include "gui/TxpButton.h"
#include "gui/WebPreviewView.h"
#include "gui/WebPreviewWindow.h"

#include "gui/AboutWindow.h"
#include "gui/AdvancedDialog.h"
#include "gui/CaptionWidgets.h"
#include "gui/CatalogManagerWindow.h"
#include "gui/ControlSync.h"
#include "gui/HighlightedTextView.h"
#include "gui/OperationGuard.h"
#include "gui/PictureView.h"
#include "gui/ProductPicture.h"
#include "gui/QtPlatform.h"
#include "gui/ResultTableModel.h"
#include "gui/ScaledColumnWidth.h"
#include "gui/SearchTypeDialog.h"
#include "search/ResultActions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSplitter>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tessellon {

namespace {

const QSize ClientSize(778, 538);
const QSize MinimumSize(646, 520);

// The result list's and the preview's type: Arial, 11 pixels high.
QFont listFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    return font;
}

} // namespace

MainWindow::MainWindow(TessellonApplication& app, QtPlatform& platform,
                       FileTypeApplications& fileTypes, QWidget* parent)
    : QMainWindow(parent), app_(app), form_(app.main()), platform_(platform),
      actions_(std::make_unique<ResultActions>(app.main(), fileTypes)) {
    setObjectName(QStringLiteral("TKorvaneTessellonMain"));
    setWindowTitle(QStringLiteral("Tessellon - Search and Find  "));

    advancedDialog_ = new AdvancedDialog(app.advanced(), platform, this);
    advancedDialog_->afterOperation = [this] { refreshFromModels(); };
    searchTypeDialog_ = new SearchTypeDialog(app.searchType(), platform, this);
    searchTypeDialog_->afterOperation = [this] { refreshFromModels(); };
    form_.showAdvancedDialog = [this] { return advancedDialog_->showModal(); };
    app.webPreview().show = [this] { presentWebPreview(); };
    form_.showCatalogManager = [this] { showCatalogManager(); };
    form_.showAbout = [this](const TAboutInfo& info) {
        AboutWindow about(platform_, info, this);
        return about.exec() == QDialog::Accepted && about.about().modalResult == ModalResult::Ok;
    };
    // While an operation lets events run, the memo shows its progress and
    // the result list its emptied rows (it never paints rows of a stale count).
    platform_.beforeProcessingEvents = [this] {
        showMemo(*Memo1, form_.Memo1);
        showResultColumns();
    };

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(createCatalogArea());
    layout->addWidget(createCriteriaArea());
    layout->addWidget(createResultArea(), 1);
    layout->addWidget(createStatusArea());
    setCentralWidget(central);
    createMenus();

    setMinimumSize(MinimumSize);
    resize(ClientSize.width(), ClientSize.height() + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    refreshFromModels();
}

MainWindow::~MainWindow() {
    platform_.beforeProcessingEvents = nullptr;
    form_.showAdvancedDialog = nullptr;
    app_.webPreview().show = nullptr;
    form_.showCatalogManager = nullptr;
    form_.showAbout = nullptr;
}

void MainWindow::run(const std::function<void()>& operation) {
    runGuarded(platform_, operation);
    refreshFromModels();
    advancedDialog_->refreshFromModels();
}

void MainWindow::refreshFromModels() {
    showTickTable(*CatalogListView, form_.CatalogListView);
    showComboBox(*ComboBox100, form_.ComboBox100);
    showComboBox(*ComboBox103, form_.ComboBox103);
    showComboBox(*hostcb, form_.hostcb);
    showButton(*Button1, form_.Button1);
    showButton(*Button2, form_.Button2);
    showResultColumns();
    showMemo(*Memo1, form_.Memo1);
    showPreview();
    showRadioGroup();
    IndexingService1->setText(form_.IndexingService1.caption);
    IndexingService1->setVisible(form_.IndexingService1.visible);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (firstShown_)
        return;
    firstShown_ = true;
    run([this] { form_.FormFirstShow(app_.startedWithArguments()); });
}

// Enter in the host box runs the host step; in a criteria box it searches,
// as the default button of the window would. The key ends there.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return QMainWindow::eventFilter(watched, event);
    if (watched == hostcb) {
        run([this] { form_.hostcbKeyPress(QChar(u'\r')); });
        return true;
    }
    if (watched == ComboBox100 || watched == ComboBox103) {
        run([this] { form_.SearchbtnClick(); });
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeWithoutSaving() {
    exitWithoutSaving_ = true;
    automationHeld_ = nullptr;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!form_.FormCloseQuery(automationHeld_ && automationHeld_())) {
        event->ignore();
        return;
    }
    if (!exitWithoutSaving_)
        run([this] { form_.FormClose(); });
    event->accept();
}

QComboBox* MainWindow::addComboBox(ComboBoxModel& model, const QString& name) {
    auto* box = new QComboBox(this);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert); // the recent entries are the model's
    box->setCompleter(nullptr);
    box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(box, &QComboBox::editTextChanged, this,
            [&model](const QString& text) { model.text = text; });
    return box;
}

QWidget* MainWindow::createCatalogArea() {
    auto* area = new QWidget(this);
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);

    auto* catalogs = new QVBoxLayout;
    catalogs->addWidget(new QLabel(QStringLiteral("Check all catalogs for searching:"), area));
    CatalogListView = new QTreeWidget(area);
    CatalogListView->setObjectName(QStringLiteral("CatalogListView"));
    CatalogListView->setRootIsDecorated(false);
    CatalogListView->setUniformRowHeights(true);
    CatalogListView->setAllColumnsShowFocus(true);
    CatalogListView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    CatalogListView->setContextMenuPolicy(Qt::CustomContextMenu);
    CatalogListView->setFixedHeight(96);
    connect(CatalogListView, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
        const int row = CatalogListView->indexOfTopLevelItem(item);
        if (row >= 0 && row < form_.CatalogListView.items.size())
            form_.CatalogListView.items[row].checked = item->checkState(0) == Qt::Checked;
    });
    connect(CatalogListView, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) {
                form_.CatalogListView.selectedIndex =
                    current ? CatalogListView->indexOfTopLevelItem(current) : -1;
            });
    connect(CatalogListView, &QTreeWidget::itemClicked, this,
            [this] { run([this] { form_.CatalogListViewClick(); }); });
    connect(CatalogListView, &QWidget::customContextMenuRequested, this,
            &MainWindow::showCatalogPopupMenu);
    catalogs->addWidget(CatalogListView);
    row->addLayout(catalogs, 1);

    auto* picture = new QLabel(area);
    picture->setObjectName(QStringLiteral("productPicture"));
    picture->setFixedSize(170, 112);
    picture->setScaledContents(true);
    picture->setPixmap(productPicture(picture->size() * 2));
    row->addWidget(picture, 0, Qt::AlignTop);
    return area;
}

QWidget* MainWindow::createCriteriaArea() {
    auto* area = new QWidget(this);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);

    ComboBox100 = addComboBox(form_.ComboBox100, QStringLiteral("ComboBox100"));
    ComboBox103 = addComboBox(form_.ComboBox103, QStringLiteral("ComboBox103"));
    hostcb = addComboBox(form_.hostcb, QStringLiteral("hostcb"));
    // An editable box keeps the focus itself and hands keys to its line edit
    // directly, past any filter there: Enter is watched on the box.
    for (QComboBox* box : {ComboBox100, ComboBox103, hostcb})
        box->installEventFilter(this);
    connect(hostcb, &QComboBox::editTextChanged, this,
            [this] { run([this] { form_.hostcbChange(); }); });

    grid->addWidget(
        createFormattedLabel(
            QStringLiteral("<font size=11>Find Results with <b>all</b> of these words:"), area),
        0, 0);
    grid->addWidget(ComboBox100, 0, 1);
    grid->addWidget(
        createFormattedLabel(
            QStringLiteral("<font size=11>find <b>filename</b>(s) or <b>file type</b>(s)"), area),
        1, 0);
    grid->addWidget(ComboBox103, 1, 1);
    grid->addWidget(createFormattedLabel(QStringLiteral("<font size=11><b>Host:</b>"), area), 2, 0);
    grid->addWidget(hostcb, 2, 1);

    Button1 = new QPushButton(area);
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QAbstractButton::clicked, this,
            [this] { run([this] { form_.SearchbtnClick(); }); });
    Button2 = new QPushButton(area);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button2, &QAbstractButton::clicked, this,
            [this] { run([this] { form_.AdvancedbtnClick(); }); });
    xpButton2 = createFlatButton(QStringLiteral("&>"), area);
    xpButton2->setObjectName(QStringLiteral("xpButton2"));
    xpButton2->setVisible(false); // hidden at creation and never shown
    grid->addWidget(Button1, 0, 2);
    grid->addWidget(Button2, 1, 2);
    grid->addWidget(xpButton2, 2, 2);
    grid->setColumnStretch(1, 1);
    return area;
}

QWidget* MainWindow::createResultArea() {
    auto* splitter = resultSplitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("resultSplitter"));
    splitter->setHandleWidth(5);
    splitter->setChildrenCollapsible(false);

    ListView1 = new QTableView(splitter);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    results_ = new ResultTableModel(form_, platform_.fileIcons(), ListView1);
    ListView1->setModel(results_);
    ListView1->setFont(listFont());
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setShowGrid(true);
    ListView1->setWordWrap(false);
    ListView1->setIconSize(QSize(16, 16));
    ListView1->verticalHeader()->hide();
    ListView1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ListView1->verticalHeader()->setDefaultSectionSize(18);
    ListView1->horizontalHeader()->setSectionsClickable(true);
    ListView1->horizontalHeader()->setHighlightSections(false);
    ListView1->setMinimumWidth(20);
    connect(ListView1->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { run([this, column] { form_.ListView1ColumnClick(column); }); });
    connect(ListView1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                form_.ListView1.selectedIndex = current.isValid() ? current.row() : -1;
                if (current.isValid())
                    selectResultRow(current.row());
            });
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ListView1, &QWidget::customContextMenuRequested, this,
            &MainWindow::showResultPopupMenu);
    connect(ListView1, &QAbstractItemView::doubleClicked, this,
            [this] { run([this] { actions_->ListView1DblClick(); }); });
    connect(
        results_, &ResultTableModel::rowFillFailed, this,
        [this](const QString& message) { platform_.showMessage(message); }, Qt::QueuedConnection);

    auto* preview = previewArea = new QWidget(splitter);
    preview->setObjectName(QStringLiteral("previewArea"));
    preview->setMinimumWidth(20);
    auto* previewLayout = new QVBoxLayout(preview);
    previewLayout->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(QStringLiteral("Preview"), preview);
    caption->setFrameShape(QFrame::StyledPanel);
    previewLayout->addWidget(caption);
    RichEdit1 = new HighlightedTextView(preview);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setFont(listFont());
    previewLayout->addWidget(RichEdit1, 1);
    Image4 = new PictureView(preview);
    Image4->setObjectName(QStringLiteral("Image4"));
    previewLayout->addWidget(Image4, 1);

    splitter->addWidget(ListView1);
    splitter->addWidget(preview);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({560, 200});
    return splitter;
}

QWidget* MainWindow::createStatusArea() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    Memo1 = new QPlainTextEdit(area);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setFixedHeight(84);
    QPalette grey = Memo1->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Window));
    Memo1->setPalette(grey);
    layout->addWidget(Memo1);

    RadioGroup1 = new QGroupBox(area);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    auto* choices = new QVBoxLayout(RadioGroup1);
    for (int i = 0; i < form_.RadioGroup1.items.size(); ++i) {
        auto* choice = new QRadioButton(form_.RadioGroup1.items[i], RadioGroup1);
        connect(choice, &QRadioButton::clicked, this,
                [this, i] { form_.RadioGroup1.itemIndex = i; });
        choices->addWidget(choice);
    }
    layout->addWidget(RadioGroup1);
    return area;
}

QAction* MainWindow::addCommand(QMenu* menu, const QString& name, const QString& caption,
                                const std::function<void()>& operation) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    if (operation)
        connect(action, &QAction::triggered, this, [this, operation] { run(operation); });
    else
        action->setEnabled(false); // nothing here can run it
    return action;
}

void MainWindow::createMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    addCommand(file, QStringLiteral("LoadQueryfile1"), QStringLiteral("&Load &Query file ..."),
               [this] { form_.LoadQueryfile1Click(); });
    addCommand(file, QStringLiteral("SaveQueryfile1"), QStringLiteral("S&ave Query file ..."),
               [this] { form_.SaveQueryfile1Click(); });
    file->addSeparator();
    addCommand(file, QStringLiteral("LoadSearch1"), QStringLiteral("&Load Tessellon Search ..."),
               [this] { form_.LoadSearch1Click(); });
    addCommand(file, QStringLiteral("SaveSearch1"), QStringLiteral("Sa&ve Tessellon Search ..."),
               [this] { form_.SaveSearch1Click(); });
    file->addSeparator();
    addCommand(file, QStringLiteral("Save1"), QStringLiteral("Save &Results ..."),
               [this] { form_.Save1Click(); });
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("Exit1"));
    connect(exit, &QAction::triggered, this, [this] {
        exitWithoutSaving_ = true; // ends at once: the settings of the run are not saved
        close();
    });

    QMenu* tools = menuBar()->addMenu(QStringLiteral("Tools"));
    tools->setObjectName(QStringLiteral("Tools1"));
    connect(tools, &QMenu::aboutToShow, this, [this] { run([this] { form_.Tools1Popup(); }); });
    IndexingService1 =
        addCommand(tools, QStringLiteral("IndexingService1"), form_.IndexingService1.caption,
                   [this] { form_.IndexingService1Click(); });
    tools->addSeparator();
    addCommand(tools, QStringLiteral("IndexingServiceManagement1"),
               form_.IndexingServiceManagement1.caption,
               app_.catalogManagement()
                   ? std::function<void()>([this] { form_.IndexingServiceManagement1Click(); })
                   : std::function<void()>());

    QMenu* view = menuBar()->addMenu(QStringLiteral("View"));
    Preview2 = view->addAction(form_.preview.Preview2.caption);
    Preview2->setObjectName(QStringLiteral("Preview2"));
    Preview2->setCheckable(true);
    connect(Preview2, &QAction::triggered, this, &MainWindow::togglePreview);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    QAction* helpFile =
        addCommand(help, QStringLiteral("Help1"), QStringLiteral("Tessellon Local   Help"),
                   [this] { form_.Help1Click(); });
    helpFile->setShortcut(QKeySequence(Qt::Key_F1));
    addCommand(help, QStringLiteral("HomePage1"), QStringLiteral("Home Page"),
               [this] { form_.HomePage1Click(); });
    help->addSeparator();
    addCommand(help, QStringLiteral("About1"), QStringLiteral("&About ..."),
               [this] { form_.About1Click(); });
}

void MainWindow::showCatalogPopupMenu(const QPoint& position) {
    run([this] { form_.CatalogPopupMenuPopup(); });
    QMenu menu(this);
    QAction* action = menu.addAction(form_.catalogActionItem.caption);
    action->setVisible(form_.catalogActionItem.visible);
    QAction* separator = menu.addSeparator();
    separator->setVisible(form_.catalogSeparatorItem.visible);
    QAction* refresh = menu.addAction(form_.catalogRefreshItem.caption);
    refresh->setVisible(form_.catalogRefreshItem.visible);
    const QAction* chosen = menu.exec(CatalogListView->viewport()->mapToGlobal(position));
    if (chosen == action)
        run([this] { form_.CatalogActionClick(); });
    else if (chosen == refresh)
        run([this] { form_.CatalogRefreshClick(); });
}

// The menu is built from the entries of its model at every popup; a caption
// shows as it is, without accelerator marks.
void MainWindow::showResultPopupMenu(const QPoint& position) {
    bool opens = false;
    run([this, &opens] { opens = actions_->PopupMenu1Popup(); });
    if (!opens)
        return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("PopupMenu1"));
    const QVector<ResultMenuEntry>& entries = actions_->PopupMenu1;
    for (int i = 0; i < entries.size(); ++i) {
        QAction* action =
            entries[i].caption == u"-"
                ? menu.addSeparator()
                : menu.addAction(QString(entries[i].caption).replace(u'&', QStringLiteral("&&")));
        action->setData(i);
    }
    const QAction* chosen = menu.exec(ListView1->viewport()->mapToGlobal(position));
    if (!chosen || chosen->isSeparator())
        return;
    const int index = chosen->data().toInt();
    if (index == 0) // the fixed "Preview" entry
        run([this] { form_.preview.preview1Click(); });
    else
        run([this, index] { actions_->open1Click(&actions_->PopupMenu1[index]); });
}

// The result list's columns with their widths, and the sort arrow on the
// column the rows are ordered by.
void MainWindow::showResultColumns() {
    if (results_->refresh()) {
        QHeaderView* header = ListView1->horizontalHeader();
        for (int c = 0; c < results_->columns().size(); ++c)
            header->resizeSection(c, columnWidth(results_->columns()[c], *ListView1, *header, c));
    }
    results_->showSortArrow(form_.sortcolumn, form_.sortmarker == u" [d]");
}

void MainWindow::showRadioGroup() {
    const RadioGroupModel& model = form_.RadioGroup1;
    RadioGroup1->setTitle(model.caption);
    showState(*RadioGroup1, model);
    const QList<QRadioButton*> choices = RadioGroup1->findChildren<QRadioButton*>();
    for (int i = 0; i < choices.size(); ++i)
        choices[i]->setChecked(i == model.itemIndex);
}

// The pane shows one of its views; the separate web preview follows its
// model once it exists.
void MainWindow::showPreview() {
    const PreviewPane& pane = form_.preview;
    RichEdit1->showText(pane.RichEdit1);
    showState(*RichEdit1, pane.RichEdit1);
    showState(*Image4, pane.Image4);
    if (pane.WebBrowser1.visible && !WebBrowser1) {
        WebBrowser1 = new WebPreviewView(previewArea);
        WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
        static_cast<QVBoxLayout*>(previewArea->layout())->addWidget(WebBrowser1, 1);
    }
    if (WebBrowser1) {
        if (pane.WebBrowser1.visible)
            WebBrowser1->showAddress(pane.WebBrowser1.address);
        showState(*WebBrowser1, pane.WebBrowser1);
    }
    if (webPreview_)
        webPreview_->refreshFromModel();
    showState(*previewArea, pane.pane);
    Preview2->setChecked(pane.Preview2.checked);
}

void MainWindow::selectResultRow(int row) {
    run([this, row] {
        form_.preview.ListView1SelectItem(row);
        if (form_.preview.Image4.visible)
            Image4->load(form_.preview.Image4.path);
    });
}

// One manager window, modeless, over the catalogs of this computer.
void MainWindow::showCatalogManager() {
    if (!catalogManager_)
        catalogManager_ = new CatalogManagerWindow(*app_.catalogManagement(), platform_, this);
    catalogManager_->show();
    catalogManager_->raise();
    catalogManager_->activateWindow();
}

void MainWindow::presentWebPreview() {
    if (!webPreview_)
        webPreview_ = new WebPreviewWindow(app_.webPreview(), this);
    webPreview_->present();
}

void MainWindow::togglePreview() {
    PreviewLayout& layout = form_.preview.layout;
    layout.windowWidth = resultSplitter->width();
    layout.listWidth = ListView1->width();
    run([this] { form_.preview.Preview2Click(); });
    if (layout.splitterVisible)
        resultSplitter->setSizes({layout.listWidth, layout.windowWidth - layout.listWidth -
                                                        resultSplitter->handleWidth()});
}

} // namespace tessellon
