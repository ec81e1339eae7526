// Relabelling a form's controls from a string table by their tags: the form's
// caption from its own tag, and each control's caption, text, hint, title,
// filter or column captions by the control's kind, from its tag (and the tag
// after it). Forms with child forms have them translated too.
//
// The table is a UTF-8 text file of lines "NUMBER=TEXT" (blank lines and
// lines starting with "#" are skipped; "\n" in a text is a line break). A
// text is at most 255 characters, as the original string resources were.
#pragma once

#include <QHash>
#include <QString>
#include <QVector>
#include <optional>

namespace tessellon {

class StringTable {
public:
    // Throws FileError when the file cannot be read, Error naming the line
    // when a line is malformed.
    static StringTable load(const QString& path);
    static StringTable parse(const QString& content);

    std::optional<QString> text(int number) const;

private:
    QHash<int, QString> texts_;
};

enum class ControlKind {
    Label,
    StaticText,
    MenuItem,
    Button,
    CheckBox,
    SpeedButton,
    Image,
    ToolButton,
    Edit,
    Panel,
    GroupBox,
    RadioGroup,
    ComboBox,
    OpenDialog,
    SaveDialog,
    ListView,
    Other
};

struct TranslatableControl {
    ControlKind kind = ControlKind::Other;
    int tag = 0;
    QString caption; // caption or text, by kind
    QString hint;
    QString filter;                           // file dialogs
    QVector<std::pair<int, QString>> columns; // list view: (tag, caption)
};

struct TranslatableForm {
    int tag = 0;
    QString caption;
    QVector<TranslatableControl> controls;
    QVector<TranslatableForm> children; // the child windows of a multiple-document form
};

// A number the table lacks leaves the text as it was.
void translateForm(TranslatableForm& form, const StringTable& strings);

} // namespace tessellon
