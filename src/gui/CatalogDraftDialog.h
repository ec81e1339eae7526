// The dialog that adds a catalog or edits one: its name (fixed when
// editing), the folders it indexes, chosen with the folder chooser, and the
// patterns it leaves out, one per line. OK hands the draft to `apply`; when
// that fails the dialog stays open with the reason and what was typed.
#pragma once

#include "common/CatalogManagement.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace tessellon {

class Platform;

class CatalogDraftDialog : public QDialog {
    Q_OBJECT
public:
    // `apply` returns false with the reason in `failure`.
    using Apply = std::function<bool(const CatalogDraft&, QString& failure)>;

    CatalogDraftDialog(const QString& title, const CatalogDraft& draft, bool nameFixed,
                       Platform& platform, Apply apply, QWidget* parent = nullptr);

    CatalogDraft draft() const;

    void accept() override;

private:
    void addFolder();

    Platform& platform_;
    Apply apply_;
    QLineEdit* name_ = nullptr;
    QListWidget* folders_ = nullptr;
    QPlainTextEdit* excludes_ = nullptr;
    QLabel* failure_ = nullptr;
    QString location_;
};

} // namespace tessellon
