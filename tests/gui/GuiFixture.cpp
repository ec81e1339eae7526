#include "GuiFixture.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QTest>

using namespace tessellon;

namespace {

class CountingRecordSet : public RecordSet {
public:
    CountingRecordSet(std::shared_ptr<const RecordSet> inner, std::shared_ptr<QSet<int>> read)
        : inner_(std::move(inner)), read_(std::move(read)) {}
    int recordCount() const override { return inner_->recordCount(); }
    QStringList fieldNames() const override { return inner_->fieldNames(); }
    Variant field(int record, const QString& name) const override {
        read_->insert(record);
        return inner_->field(record, name);
    }

private:
    std::shared_ptr<const RecordSet> inner_;
    std::shared_ptr<QSet<int>> read_;
};

} // namespace

std::shared_ptr<const RecordSet>
CountingProvider::execute(const QString& connectionText, const QString& statement, int maxRecords) {
    recordsRead->clear();
    if (onExecute)
        onExecute();
    return std::make_shared<CountingRecordSet>(
        FakeQueryProvider::execute(connectionText, statement, maxRecords), recordsRead);
}

void CountingProvider::answerWith(int count) {
    names = {QStringLiteral("Filename"), QStringLiteral("Size"), QStringLiteral("Write"),
             QStringLiteral("DocKeywords"), QStringLiteral("Path")};
    rows.clear();
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("file%1.txt").arg(i, 4, 10, QLatin1Char('0'));
        rows.append(
            {name, std::int64_t(1000 + i), QString(), QString(), QStringLiteral("/data/") + name});
    }
}

void chooseInFileDialog(QFileDialog& dialog, const QString& path) {
    // The names Qt gives the widgets of its file dialog.
    auto* nameBox = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    QAbstractButton* acceptButton = nullptr;
    for (QAbstractButton* button : buttons ? buttons->buttons() : QList<QAbstractButton*>())
        if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole)
            acceptButton = button;
    if (!nameBox || !acceptButton) {
        ADD_FAILURE() << "the file dialog has no file name box or accept button";
        dialog.reject();
        return;
    }
    // Typed with the focus elsewhere, the box would take the bare name of a
    // file the dialog selects in its list, relative to the folder shown.
    EXPECT_TRUE(nameBox->hasFocus()) << "the file name box of the active dialog has no focus";
    nameBox->setText(path);
    if (!acceptButton->isEnabled()) {
        ADD_FAILURE() << "the file dialog does not take " << path.toStdString();
        dialog.reject();
        return;
    }
    QTest::mouseClick(acceptButton, Qt::LeftButton);
    if (dialog.isVisible()) {
        ADD_FAILURE() << "the file dialog stayed open after " << path.toStdString()
                      << " was chosen; its box reads " << nameBox->text().toStdString();
        dialog.reject();
    }
}

GuiFixture::GuiFixture() {
    world->catalogs.append(FakeCatalog{QStringLiteral("System")});
    provider.answerWith(3);
}

GuiFixture::~GuiFixture() {
    stop();
}

void GuiFixture::start(const QStringList& arguments) {
    app = std::make_unique<TessellonApplication>(platform, provider, fakeAdminFactory(world));
    app->createWindows();
    if (!arguments.isEmpty())
        app->runBatch(arguments);
    window = std::make_unique<MainWindow>(*app, platform, fileTypes);
    window->show();
}

void GuiFixture::stop() {
    window.reset();
    app.reset();
}

void typeInto(QComboBox& box, const QString& text) {
    box.setFocus();
    for (const QChar c : text)
        QTest::keyClick(box.window()->windowHandle(), c.toLatin1());
}

void pressKey(QComboBox& box, Qt::Key key) {
    box.setFocus();
    QTest::keyClick(box.window()->windowHandle(), key);
}

void whenPopupChoose(const QString& caption, QStringList& offered) {
    whenPopup([caption, &offered](QMenu& menu) {
        QAction* chosen = nullptr;
        for (QAction* item : menu.actions()) {
            if (!item->isVisible())
                continue;
            offered << (item->isSeparator() ? QStringLiteral("-") : item->text());
            if (item->text() == caption)
                chosen = item;
        }
        if (chosen)
            menu.setActiveAction(chosen);
        QTest::keyClick(&menu, chosen ? Qt::Key_Return : Qt::Key_Escape);
    });
}

void GuiFixture::click(QAbstractButton& button) {
    QTest::mouseClick(&button, Qt::LeftButton);
}
