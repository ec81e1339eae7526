#include "gui/SearchTypeDialog.h"
#include "gui/TxpButton.h"

#include "gui/CaptionWidgets.h"
#include "gui/ControlSync.h"
#include "gui/OperationGuard.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tessellon {

SearchTypeDialog::SearchTypeDialog(TKorvaneTessellonAdvancedIXSSO& form, Platform& platform,
                                   QWidget* parent)
    : QDialog(parent), form_(form), platform_(platform) {
    setObjectName(QStringLiteral("TKorvaneTessellonAdvancedIXSSO"));
    setWindowTitle(QStringLiteral("Tessellon Local Search Advanced Options"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Search type"), this));
    searchTypeBox = new QComboBox(this);
    searchTypeBox->setObjectName(QStringLiteral("searchTypeBox"));
    connect(searchTypeBox, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { form_.searchTypeBox.text = text; });
    layout->addWidget(searchTypeBox);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    okbtn = createFlatButton(form_.okbtn.caption, this);
    okbtn->setObjectName(QStringLiteral("okbtn"));
    connect(okbtn, &TxpButton::clicked, this, [this] {
        ModalResult result = ModalResult::None;
        runGuarded(platform_, [this, &result] { result = form_.okbtnClick(); });
        if (afterOperation)
            afterOperation();
        if (result == ModalResult::Ok)
            accept();
    });
    buttons->addWidget(okbtn);
    layout->addLayout(buttons);
    refreshFromModels();
}

void SearchTypeDialog::refreshFromModels() {
    {
        const QSignalBlocker blocker(searchTypeBox);
        if (searchTypeBox->count() != form_.searchTypeBox.items.size()) {
            searchTypeBox->clear();
            searchTypeBox->addItems(form_.searchTypeBox.items);
        }
        searchTypeBox->setCurrentText(form_.searchTypeBox.text);
    }
    showButton(*okbtn, form_.okbtn);
}

} // namespace tessellon
