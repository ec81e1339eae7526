// The advanced search dialog's window: every criterion of
// TKorvaneTessellonAdvancedSQL as a widget. Edits go straight into the
// control models; each handler runs over the models, then the dialog (and
// through afterOperation the main window) shows them again.
#pragma once

#include "query/TKorvaneTessellonAdvancedSQL.h"

#include <QDialog>
#include <functional>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QListWidget;
class QPlainTextEdit;

namespace tessellon {

class Platform;

class AdvancedDialog : public QDialog {
    Q_OBJECT
public:
    AdvancedDialog(TKorvaneTessellonAdvancedSQL& form, Platform& platform,
                   QWidget* parent = nullptr);

    // Shows the dialog modally, centred on the screen.
    ModalResult showModal();
    void refreshFromModels();

    // Runs after each of the dialog's handlers: expert mode also changes the
    // main window's controls.
    std::function<void()> afterOperation;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void run(const std::function<void()>& operation);
    QComboBox* addComboBox(ComboBoxModel& model);
    QDateEdit* addDatePicker(DatePickerModel& model, QCheckBox*& tick);
    QListWidget* addTickList(TickListModel& model);
    bool filterSizeKey(QComboBox& box, QEvent* event);
    QWidget* createCriteriaArea();
    QWidget* createColumnsArea();
    QWidget* createAttributesArea();
    QWidget* createExpertArea();
    QLayout* createButtonRow();

    TKorvaneTessellonAdvancedSQL& form_;
    Platform& platform_;

    QComboBox* ComboBox20 = nullptr;
    QComboBox* ComboBox22 = nullptr;
    QComboBox* ComboBox23 = nullptr;
    QComboBox* ComboBox24 = nullptr;
    QComboBox* ComboBox5 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QAbstractButton* btnBrowse = nullptr;
    QCheckBox* deepshallow_cb = nullptr;
    QCheckBox* startdateTick = nullptr;
    QDateEdit* startdatepicker = nullptr;
    QCheckBox* enddateTick = nullptr;
    QDateEdit* enddatepicker = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QListWidget* ColumnsListView = nullptr;
    QListWidget* FileAttributsListView = nullptr;
    QCheckBox* CheckBox25 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QComboBox* ComboBox4 = nullptr;
    QAbstractButton* Button1 = nullptr;
    QAbstractButton* btnOk = nullptr;
};

} // namespace tessellon
