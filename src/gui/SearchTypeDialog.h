// The small search-type dialog: a "Search type" choice and the OK button that
// starts a search run. The program creates it but no command shows it.
#pragma once

#include "query/TKorvaneTessellonAdvancedIXSSO.h"

#include <QDialog>
#include <functional>

class QAbstractButton;
class QComboBox;

namespace tessellon {

class Platform;
class TxpButton;

class SearchTypeDialog : public QDialog {
    Q_OBJECT
public:
    SearchTypeDialog(TKorvaneTessellonAdvancedIXSSO& form, Platform& platform,
                     QWidget* parent = nullptr);
    void refreshFromModels();

    // Runs after the OK button's search: the main window shows its results.
    std::function<void()> afterOperation;

private:
    TKorvaneTessellonAdvancedIXSSO& form_;
    Platform& platform_;
    QComboBox* searchTypeBox = nullptr;
    TxpButton* okbtn = nullptr;
};

} // namespace tessellon
