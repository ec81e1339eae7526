#include "gui/CatalogManagerWindow.h"

#include "gui/CatalogDraftDialog.h"
#include "gui/ControlSync.h"
#include "gui/OperationGuard.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tessellon {

namespace {
// The column where a scan under way shows its progress bar instead of "no".
constexpr int ProgressColumn = 2;
constexpr int FoldersColumn = 3;
} // namespace

CatalogManagerWindow::CatalogManagerWindow(CatalogManagement& management, Platform& platform,
                                           QWidget* parent)
    : QWidget(parent, Qt::Window), manager_(management, platform), platform_(platform) {
    setObjectName(QStringLiteral("CatalogManager"));
    setWindowTitle(QStringLiteral("Indexing Service Management"));

    serviceState_ = new QLabel(this);
    serviceState_->setObjectName(QStringLiteral("ServiceState"));
    auto* serviceRow = new QHBoxLayout;
    serviceRow->addWidget(serviceState_, 1);
    serviceRow->addWidget(addButton(manager_.ServiceStart, QStringLiteral("ServiceStart"),
                                    [this] { manager_.startService(); }));
    serviceRow->addWidget(addButton(manager_.ServiceStop, QStringLiteral("ServiceStop"),
                                    [this] { manager_.stopService(); }));

    table_ = new QTableWidget(0, int(CatalogManager::columnCaptions.size()), this);
    table_->setObjectName(QStringLiteral("CatalogTable"));
    table_->setHorizontalHeaderLabels(CatalogManager::columnCaptions);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->setWordWrap(false);
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(FoldersColumn, QHeaderView::Stretch);
    // Wide enough for "12345 of 67890" in the progress bar.
    header->setSectionResizeMode(ProgressColumn, QHeaderView::Interactive);
    header->resizeSection(ProgressColumn,
                          fontMetrics().horizontalAdvance(QStringLiteral("000000 of 000000")) + 24);
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) {
        manager_.select(row);
        refreshFromModels();
    });

    auto* catalogRow = new QHBoxLayout;
    catalogRow->addWidget(
        addButton(manager_.Add, QStringLiteral("Add"), [this] { editDraft(true); }));
    catalogRow->addWidget(
        addButton(manager_.Edit, QStringLiteral("Edit"), [this] { editDraft(false); }));
    catalogRow->addWidget(addButton(manager_.Remove, QStringLiteral("Remove"),
                                    [this] { manager_.removeSelected(); }));
    catalogRow->addSpacing(12);
    const std::pair<const ButtonModel*, CatalogChange> changes[] = {
        {&manager_.Start, CatalogChange::Start},
        {&manager_.Stop, CatalogChange::Stop},
        {&manager_.Pause, CatalogChange::Pause},
        {&manager_.Resume, CatalogChange::Resume}};
    for (const auto& [model, change] : changes)
        catalogRow->addWidget(addButton(
            *model, model->caption, [this, change = change] { manager_.changeSelected(change); }));
    catalogRow->addSpacing(12);
    catalogRow->addWidget(addButton(manager_.Rescan, QStringLiteral("Rescan"),
                                    [this] { manager_.rescanSelected(); }));
    catalogRow->addStretch();

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("ManagerMessage"));
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(serviceRow);
    layout->addWidget(table_, 1);
    layout->addLayout(catalogRow);
    layout->addWidget(message_);
    resize(900, 420);

    refreshTimer_.setInterval(1000);
    connect(&refreshTimer_, &QTimer::timeout, this,
            [this] { run([this] { manager_.refresh(); }); });
    run([this] { manager_.refresh(); });
}

QPushButton* CatalogManagerWindow::addButton(const ButtonModel& model, const QString& name,
                                             const std::function<void()>& operation) {
    auto* button = new QPushButton(model.caption, this);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, [this, operation] { run(operation); });
    buttons_.append({button, &model});
    return button;
}

void CatalogManagerWindow::run(const std::function<void()>& operation) {
    runGuarded(platform_, operation);
    refreshFromModels();
}

void CatalogManagerWindow::editDraft(bool adding) {
    const CatalogDraft draft = adding ? manager_.newDraft() : manager_.draftOfSelected();
    CatalogDraftDialog dialog(
        adding ? QStringLiteral("Add Catalog") : QStringLiteral("Edit Catalog"), draft, !adding,
        platform_,
        [this, adding](const CatalogDraft& edited, QString& failure) {
            const bool done = adding ? manager_.addCatalog(edited) : manager_.editCatalog(edited);
            if (!done)
                failure = manager_.message;
            refreshFromModels();
            return done;
        },
        this);
    dialog.exec();
}

void CatalogManagerWindow::refreshFromModels() {
    serviceState_->setText(manager_.serviceState);
    for (const auto& [button, model] : std::as_const(buttons_))
        showButton(*button, *model);
    message_->setText(manager_.message);
    showTable();
}

void CatalogManagerWindow::showTable() {
    const QSignalBlocker blocker(table_);
    const int rows = int(manager_.catalogs.size());
    table_->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < table_->columnCount(); ++column) {
            QTableWidgetItem* item = table_->item(row, column);
            if (!item)
                table_->setItem(row, column, item = new QTableWidgetItem);
            const QString text = manager_.cellText(row, column);
            if (item->text() != text)
                item->setText(text);
        }
        const ManagedCatalog& catalog = manager_.catalogs[row];
        auto* bar = qobject_cast<QProgressBar*>(table_->cellWidget(row, ProgressColumn));
        if (manager_.scanning(row)) {
            if (!bar) {
                bar = new QProgressBar;
                bar->setFormat(QStringLiteral("%v of %m"));
                table_->setCellWidget(row, ProgressColumn, bar);
            }
            bar->setRange(0, int(std::min<std::int64_t>(catalog.scanTotal, INT_MAX)));
            bar->setValue(int(std::min<std::int64_t>(catalog.scanDone, INT_MAX)));
        } else if (bar) {
            table_->removeCellWidget(row, ProgressColumn);
        }
    }
    if (manager_.selectedIndex != table_->currentRow())
        table_->selectRow(manager_.selectedIndex);
    if (manager_.selectedIndex < 0)
        table_->clearSelection();
}

void CatalogManagerWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refreshTimer_.start();
}

void CatalogManagerWindow::hideEvent(QHideEvent* event) {
    refreshTimer_.stop();
    QWidget::hideEvent(event);
}

} // namespace tessellon
