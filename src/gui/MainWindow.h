// The main window: catalog list, quick criteria, host box, result list with
// the preview area, status memo and menus, over the logic object
// TKorvaneTessellonMain. Edits go straight into the control models; every
// command runs its operation inside the general error report and then shows
// the models again.
#pragma once

#include "app/TessellonApplication.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QAbstractButton;
class QComboBox;
class QGroupBox;
class QMenu;
class QPlainTextEdit;
class QSplitter;
class QTableView;
class QTreeWidget;

namespace tessellon {

class AdvancedDialog;
class CatalogManagerWindow;
class FileTypeApplications;
class HighlightedTextView;
class PictureView;
class QtPlatform;
class ResultActions;
class ResultTableModel;
class SearchTypeDialog;
class TxpButton;
class WebPreviewView;
class WebPreviewWindow;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The result list's actions start the applications of `fileTypes`.
    MainWindow(TessellonApplication& app, QtPlatform& platform, FileTypeApplications& fileTypes,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shows every control model of the main window.
    void refreshFromModels();

    AdvancedDialog& advancedDialog() { return *advancedDialog_; }
    // Tells whether automation clients hold the program: closing then asks.
    void setAutomationHeld(std::function<bool()> held) { automationHeld_ = std::move(held); }
    // Ends the window without asking and without saving the search (the
    // program was started for automation clients, and they have left).
    void closeWithoutSaving();
    SearchTypeDialog& searchTypeDialog() { return *searchTypeDialog_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void run(const std::function<void()>& operation);
    QWidget* createCatalogArea();
    QWidget* createCriteriaArea();
    QWidget* createResultArea();
    QWidget* createStatusArea();
    void createMenus();
    QAction* addCommand(QMenu* menu, const QString& name, const QString& caption,
                        const std::function<void()>& operation);
    QComboBox* addComboBox(ComboBoxModel& model, const QString& name);
    void showCatalogPopupMenu(const QPoint& position);
    void showResultPopupMenu(const QPoint& position);
    void showResultColumns();
    void showRadioGroup();
    void showPreview();
    void selectResultRow(int row);
    void togglePreview();
    void presentWebPreview();
    void showCatalogManager();

    TessellonApplication& app_;
    TKorvaneTessellonMain& form_;
    QtPlatform& platform_;
    AdvancedDialog* advancedDialog_ = nullptr;
    SearchTypeDialog* searchTypeDialog_ = nullptr;
    ResultTableModel* results_ = nullptr;
    std::unique_ptr<ResultActions> actions_;
    bool firstShown_ = false;
    bool exitWithoutSaving_ = false;
    std::function<bool()> automationHeld_;

    QTreeWidget* CatalogListView = nullptr;
    QComboBox* ComboBox100 = nullptr;
    QComboBox* ComboBox103 = nullptr;
    QComboBox* hostcb = nullptr;
    QAbstractButton* Button1 = nullptr;
    QAbstractButton* Button2 = nullptr;
    TxpButton* xpButton2 = nullptr;
    QTableView* ListView1 = nullptr;
    QSplitter* resultSplitter = nullptr;
    QWidget* previewArea = nullptr;
    HighlightedTextView* RichEdit1 = nullptr;
    PictureView* Image4 = nullptr;
    // The web engine starts with the first page shown, not with the window.
    WebPreviewView* WebBrowser1 = nullptr;
    WebPreviewWindow* webPreview_ = nullptr;
    CatalogManagerWindow* catalogManager_ = nullptr;
    QAction* IndexingService1 = nullptr;
    QAction* Preview2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
};

} // namespace tessellon
