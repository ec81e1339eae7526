// The catalog manager window: a view over CatalogManager. It shows the
// catalogs with their figures and a progress bar for a scan under way, reads
// them again every second while it is shown, and forwards the buttons.
#pragma once

#include "catalogs/CatalogManager.h"

#include <QTimer>
#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;
class QTableWidget;

namespace tessellon {

class CatalogManagerWindow : public QWidget {
    Q_OBJECT
public:
    CatalogManagerWindow(CatalogManagement& management, Platform& platform,
                         QWidget* parent = nullptr);

    CatalogManager& manager() { return manager_; }
    // Shows the models again.
    void refreshFromModels();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QPushButton* addButton(const ButtonModel& model, const QString& name,
                           const std::function<void()>& operation);
    void run(const std::function<void()>& operation);
    void editDraft(bool adding);
    void showTable();

    CatalogManager manager_;
    Platform& platform_;
    QTimer refreshTimer_;
    QLabel* serviceState_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* message_ = nullptr;
    QList<std::pair<QPushButton*, const ButtonModel*>> buttons_;
};

} // namespace tessellon
