#include "gui/CatalogDraftDialog.h"

#include "common/Platform.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessellon {

CatalogDraftDialog::CatalogDraftDialog(const QString& title, const CatalogDraft& draft,
                                       bool nameFixed, Platform& platform, Apply apply,
                                       QWidget* parent)
    : QDialog(parent), platform_(platform), apply_(std::move(apply)), location_(draft.location) {
    setObjectName(QStringLiteral("CatalogDraftDialog"));
    setWindowTitle(title);
    auto* form = new QFormLayout;
    name_ = new QLineEdit(draft.name, this);
    name_->setObjectName(QStringLiteral("CatalogName"));
    name_->setReadOnly(nameFixed);
    form->addRow(QStringLiteral("Name:"), name_);

    folders_ = new QListWidget(this);
    folders_->setObjectName(QStringLiteral("CatalogFolders"));
    folders_->addItems(draft.folders);
    auto* addFolder = new QPushButton(QStringLiteral("Add Folder ..."), this);
    addFolder->setObjectName(QStringLiteral("AddFolder"));
    auto* removeFolder = new QPushButton(QStringLiteral("Remove Folder"), this);
    removeFolder->setObjectName(QStringLiteral("RemoveFolder"));
    // Enter means OK wherever the focus is.
    addFolder->setAutoDefault(false);
    removeFolder->setAutoDefault(false);
    connect(addFolder, &QPushButton::clicked, this, &CatalogDraftDialog::addFolder);
    connect(removeFolder, &QPushButton::clicked, this, [this] { delete folders_->currentItem(); });
    auto* folderButtons = new QVBoxLayout;
    folderButtons->addWidget(addFolder);
    folderButtons->addWidget(removeFolder);
    folderButtons->addStretch();
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folders_, 1);
    folderRow->addLayout(folderButtons);
    form->addRow(QStringLiteral("Folders:"), folderRow);

    excludes_ = new QPlainTextEdit(draft.excludes.join(u'\n'), this);
    excludes_->setObjectName(QStringLiteral("CatalogExcludes"));
    excludes_->setToolTip(QStringLiteral("One pattern per line: a name (*.tmp, node_modules) "
                                         "or, with a \"/\", a whole path"));
    form->addRow(QStringLiteral("Leave out:"), excludes_);

    failure_ = new QLabel(this);
    failure_->setObjectName(QStringLiteral("DraftFailure"));
    failure_->setWordWrap(true);
    failure_->setStyleSheet(QStringLiteral("color: #b00000"));
    failure_->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CatalogDraftDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CatalogDraftDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(failure_);
    layout->addWidget(buttons);
    resize(560, 420);
}

CatalogDraft CatalogDraftDialog::draft() const {
    CatalogDraft draft;
    draft.name = name_->text().trimmed();
    for (int i = 0; i < folders_->count(); ++i)
        draft.folders << folders_->item(i)->text();
    draft.excludes = excludes_->toPlainText().split(u'\n', Qt::SkipEmptyParts);
    draft.location = location_;
    return draft;
}

void CatalogDraftDialog::addFolder() {
    const std::optional<QString> folder =
        platform_.chooseFolder(QStringLiteral("Choose a folder to index"));
    if (folder && folders_->findItems(*folder, Qt::MatchExactly).isEmpty())
        folders_->addItem(*folder);
}

void CatalogDraftDialog::accept() {
    QString failure;
    if (apply_(draft(), failure)) {
        QDialog::accept();
        return;
    }
    failure_->setText(failure);
    failure_->show();
}

} // namespace tessellon
