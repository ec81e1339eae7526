#include "gui/AdvancedDialog.h"

#include "gui/CaptionWidgets.h"
#include "gui/ControlSync.h"
#include "gui/OperationGuard.h"
#include "query/SizeRules.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tessellon {

namespace {

// The row that the column list always keeps ticked and draws bold.
const QString FilenameRow = QStringLiteral("Filename");

} // namespace

AdvancedDialog::AdvancedDialog(TKorvaneTessellonAdvancedSQL& form, Platform& platform,
                               QWidget* parent)
    : QDialog(parent), form_(form), platform_(platform) {
    setObjectName(QStringLiteral("TKorvaneTessellonAdvancedSQL"));
    setWindowTitle(QStringLiteral("Tessellon Search Advanced Options"));
    setSizeGripEnabled(true);
    setMinimumHeight(620);
    resize(640, 680);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createCriteriaArea());
    layout->addWidget(createColumnsArea());
    layout->addWidget(createAttributesArea());
    layout->addWidget(createExpertArea(), 1);
    layout->addLayout(createButtonRow());
    refreshFromModels();
}

ModalResult AdvancedDialog::showModal() {
    refreshFromModels();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    return exec() == QDialog::Accepted ? ModalResult::Ok : ModalResult::Cancel;
}

void AdvancedDialog::showEvent(QShowEvent* event) {
    run([this] { form_.FormShow(); });
    QDialog::showEvent(event);
}

void AdvancedDialog::run(const std::function<void()>& operation) {
    runGuarded(platform_, operation);
    refreshFromModels();
    if (afterOperation)
        afterOperation();
}

void AdvancedDialog::refreshFromModels() {
    showComboBox(*ComboBox20, form_.ComboBox20);
    showComboBox(*ComboBox22, form_.ComboBox22);
    showComboBox(*ComboBox23, form_.ComboBox23);
    showComboBox(*ComboBox24, form_.ComboBox24);
    showComboBox(*ComboBox5, form_.ComboBox5);
    showComboBox(*ComboBox3, form_.ComboBox3);
    showButton(*btnBrowse, form_.btnBrowse);
    showCheckBox(*deepshallow_cb, form_.deepshallow_cb);
    showDatePicker(*startdateTick, *startdatepicker, form_.startdatepicker);
    showDatePicker(*enddateTick, *enddatepicker, form_.enddatepicker);
    showComboBox(*ComboBox1, form_.ComboBox1);
    showComboBox(*ComboBox2, form_.ComboBox2);
    showTickList(*ColumnsListView, form_.ColumnsListView, FilenameRow);
    showTickList(*FileAttributsListView, form_.FileAttributsListView);
    showCheckBox(*CheckBox25, form_.CheckBox25);
    showMemo(*Memo1, form_.Memo1);
    showComboBox(*ComboBox4, form_.ComboBox4);
    showButton(*Button1, form_.Button1);
    showButton(*btnOk, form_.btnOk);
}

QComboBox* AdvancedDialog::addComboBox(ComboBoxModel& model) {
    auto* box = new QComboBox(this);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert); // the recent entries are the model's
    box->setCompleter(nullptr);
    box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(box, &QComboBox::editTextChanged, this,
            [&model](const QString& text) { model.text = text; });
    return box;
}

QDateEdit* AdvancedDialog::addDatePicker(DatePickerModel& model, QCheckBox*& tick) {
    tick = new QCheckBox(this);
    auto* edit = new QDateEdit(this);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setCalendarPopup(true);
    edit->setMinimumDate(QDate(1601, 1, 1));
    connect(tick, &QCheckBox::toggled, this, [this, &model](bool checked) {
        model.checked = checked;
        refreshFromModels();
    });
    connect(edit, &QDateEdit::dateChanged, this,
            [&model](const QDate& date) { model.dateTime.setDate(date); });
    return edit;
}

QListWidget* AdvancedDialog::addTickList(TickListModel& model) {
    auto* list = new QListWidget(this);
    list->setFlow(QListView::LeftToRight);
    list->setWrapping(true);
    list->setResizeMode(QListView::Adjust);
    list->setSpacing(1);
    list->setFixedHeight(62);
    connect(list, &QListWidget::itemChanged, this, [this, list, &model](QListWidgetItem* item) {
        const int row = list->row(item);
        if (row < 0 || row >= model.items.size())
            return;
        model.items[row].checked = item->checkState() == Qt::Checked;
        run([this, &model, row] { form_.ColumnsListViewChange(model, row); });
    });
    return list;
}

QWidget* AdvancedDialog::createCriteriaArea() {
    auto* area = new QWidget(this);
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    grid->addWidget(createFormattedLabel(QStringLiteral("<b><font size=12>Find  Results"), area),
                    row++, 0, 1, 3);
    const auto addRow = [&](const QString& caption, QWidget* control, int span = 2) {
        grid->addWidget(createFormattedLabel(caption, area), row, 0);
        grid->addWidget(control, row++, 1, 1, span);
    };

    ComboBox20 = addComboBox(form_.ComboBox20);
    addRow(QStringLiteral("<font size=11>with <b>all</b> of these words"), ComboBox20);
    ComboBox22 = addComboBox(form_.ComboBox22);
    addRow(QStringLiteral("<font size=11>with <b>at least one</b> of these words"), ComboBox22);
    ComboBox23 = addComboBox(form_.ComboBox23);
    addRow(QStringLiteral("<font size=11><b>without</b> these word(s)"), ComboBox23);
    ComboBox24 = addComboBox(form_.ComboBox24);
    addRow(QStringLiteral("<font size=11>find <b>filename</b>(s) or <b>file type</b>(s)"),
           ComboBox24);
    ComboBox5 = addComboBox(form_.ComboBox5);
    ComboBox5->lineEdit()->installEventFilter(this); // a double click lands on the line edit
    addRow(QStringLiteral("<font size=11><b>ignore</b> filename(s), file type(s)"), ComboBox5);

    ComboBox3 = addComboBox(form_.ComboBox3);
    ComboBox3->lineEdit()->installEventFilter(this);
    connect(ComboBox3, &QComboBox::editTextChanged, this,
            [this] { run([this] { form_.ComboBox3Change(); }); });
    addRow(QStringLiteral("<font size=11>search only in this <b>folder</b>(s)"), ComboBox3, 1);
    auto* browse = new QPushButton(this);
    browse->setAutoDefault(false); // Enter in a box means Ok, not Browse
    btnBrowse = browse;
    connect(btnBrowse, &QAbstractButton::clicked, this,
            [this] { run([this] { form_.BrowsebtnClick(); }); });
    grid->addWidget(btnBrowse, row - 1, 2);
    deepshallow_cb = new QCheckBox(this);
    // The tick comes and goes with the folder text; its row keeps its room,
    // so the rows below stay where the user is about to click.
    QSizePolicy keepRoom = deepshallow_cb->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    deepshallow_cb->setSizePolicy(keepRoom);
    connect(deepshallow_cb, &QCheckBox::toggled, this,
            [this](bool checked) { form_.deepshallow_cb.checked = checked; });
    grid->addWidget(deepshallow_cb, row++, 1, 1, 2);

    auto* dates = new QHBoxLayout;
    startdatepicker = addDatePicker(form_.startdatepicker, startdateTick);
    enddatepicker = addDatePicker(form_.enddatepicker, enddateTick);
    dates->addWidget(createFormattedLabel(QStringLiteral("From:"), area));
    dates->addWidget(startdateTick);
    dates->addWidget(startdatepicker, 1);
    dates->addSpacing(12);
    dates->addWidget(createFormattedLabel(QStringLiteral("To:"), area));
    dates->addWidget(enddateTick);
    dates->addWidget(enddatepicker, 1);
    grid->addWidget(
        createFormattedLabel(QStringLiteral("<font size=11>last <b>modified</b>"), area), row, 0);
    grid->addLayout(dates, row++, 1, 1, 2);

    auto* sizes = new QHBoxLayout;
    ComboBox1 = addComboBox(form_.ComboBox1);
    ComboBox2 = addComboBox(form_.ComboBox2);
    // An editable box keeps the focus itself and hands keys to its line edit
    // directly, past any filter there: the key rules watch the box.
    ComboBox1->installEventFilter(this);
    ComboBox2->installEventFilter(this);
    sizes->addWidget(ComboBox1);
    sizes->addWidget(new QLabel(QStringLiteral("-"), area));
    sizes->addWidget(ComboBox2);
    grid->addWidget(
        createFormattedLabel(QStringLiteral("<font size=11>use <b>Size</b> filter (min, max byte)"),
                             area),
        row, 0);
    grid->addLayout(sizes, row++, 1, 1, 2);
    grid->setColumnStretch(1, 1);

    ComboBox20->setObjectName(QStringLiteral("ComboBox20"));
    ComboBox22->setObjectName(QStringLiteral("ComboBox22"));
    ComboBox23->setObjectName(QStringLiteral("ComboBox23"));
    ComboBox24->setObjectName(QStringLiteral("ComboBox24"));
    ComboBox5->setObjectName(QStringLiteral("ComboBox5"));
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    btnBrowse->setObjectName(QStringLiteral("btnBrowse"));
    deepshallow_cb->setObjectName(QStringLiteral("deepshallow_cb"));
    startdateTick->setObjectName(QStringLiteral("startdateTick"));
    startdatepicker->setObjectName(QStringLiteral("startdatepicker"));
    enddateTick->setObjectName(QStringLiteral("enddateTick"));
    enddatepicker->setObjectName(QStringLiteral("enddatepicker"));
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    return area;
}

QWidget* AdvancedDialog::createColumnsArea() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(
        createFormattedLabel(QStringLiteral("<font size=12><b>Check columns</b>"), area));
    ColumnsListView = addTickList(form_.ColumnsListView);
    ColumnsListView->setObjectName(QStringLiteral("ColumnsListView"));
    layout->addWidget(ColumnsListView);
    return area;
}

QWidget* AdvancedDialog::createAttributesArea() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(
        createFormattedLabel(QStringLiteral("<font size=12><b>File Attributes</b>"), area));
    FileAttributsListView = addTickList(form_.FileAttributsListView);
    FileAttributsListView->setObjectName(QStringLiteral("FileAttributsListView"));
    layout->addWidget(FileAttributsListView);
    return area;
}

QWidget* AdvancedDialog::createExpertArea() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* heading = new QHBoxLayout;
    heading->addWidget(
        createFormattedLabel(QStringLiteral("<font size=12><b>Expert Search</b>"), area));
    CheckBox25 = new QCheckBox(area);
    CheckBox25->setObjectName(QStringLiteral("CheckBox25"));
    connect(CheckBox25, &QCheckBox::clicked, this, [this](bool checked) {
        form_.CheckBox25.checked = checked;
        run([this] { form_.CheckBox25Click(); });
    });
    heading->addWidget(CheckBox25);
    heading->addStretch(1);
    layout->addLayout(heading);
    Memo1 = new QPlainTextEdit(area);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(Memo1, &QPlainTextEdit::textChanged, this,
            [this] { takeMemoText(form_.Memo1, Memo1->toPlainText()); });
    layout->addWidget(Memo1);
    return area;
}

QLayout* AdvancedDialog::createButtonRow() {
    auto* row = new QHBoxLayout;
    row->addWidget(createFormattedLabel(QStringLiteral("Results Limit"), this));
    ComboBox4 = addComboBox(form_.ComboBox4);
    ComboBox4->setObjectName(QStringLiteral("ComboBox4"));
    ComboBox4->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    row->addWidget(ComboBox4);
    row->addStretch(1);
    auto* cancel = new QPushButton(this);
    cancel->setAutoDefault(false);
    Button1 = cancel;
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QAbstractButton::clicked, this, &QDialog::reject);
    auto* ok = new QPushButton(this);
    ok->setDefault(true);
    btnOk = ok;
    btnOk->setObjectName(QStringLiteral("btnOk"));
    connect(btnOk, &QAbstractButton::clicked, this, &QDialog::accept);
    row->addWidget(Button1);
    row->addWidget(btnOk);
    return row;
}

bool AdvancedDialog::eventFilter(QObject* watched, QEvent* event) {
    // Filters are installed while the dialog is being built: a box created
    // later may not exist yet.
    if (ComboBox1 && watched == ComboBox1)
        return filterSizeKey(*ComboBox1, event);
    if (ComboBox2 && watched == ComboBox2)
        return filterSizeKey(*ComboBox2, event);
    if (event->type() == QEvent::MouseButtonDblClick && ComboBox5) {
        if (watched == ComboBox3->lineEdit()) {
            run([this] { form_.ComboBox3DblClick(); });
            return true;
        }
        if (watched == ComboBox5->lineEdit()) {
            run([this] { form_.ComboBox5DblClick(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// The size boxes' key rules: the key filter decides what a typed character
// inserts, and the cleanup after each key release tidies the whole text
// (pasted text included).
bool AdvancedDialog::filterSizeKey(QComboBox& box, QEvent* event) {
    ComboBoxModel& model = &box == ComboBox1 ? form_.ComboBox1 : form_.ComboBox2;
    if (event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.size() != 1 || !typed[0].isPrint())
            return false; // keys that type no character reach no filter
        const QChar accepted = ComboBox1KeyPress(typed[0]);
        if (accepted.isNull())
            return true;
        if (accepted != typed[0]) {
            box.lineEdit()->insert(accepted);
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::KeyRelease) {
        model.text = box.currentText();
        ComboBox1KeyUp(model);
        showComboBox(box, model);
    }
    return false;
}

} // namespace tessellon
