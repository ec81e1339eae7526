#include "help/FormTranslation.h"

#include "common/Error.h"

#include <QFile>

namespace tessellon {

namespace {

constexpr qsizetype MaxText = 255;

void take(QString& target, const StringTable& strings, int number) {
    if (const std::optional<QString> text = strings.text(number))
        target = *text;
}

void translateControl(TranslatableControl& c, const StringTable& strings) {
    switch (c.kind) {
    case ControlKind::Label:
    case ControlKind::StaticText:
    case ControlKind::MenuItem:
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::ComboBox:
        take(c.caption, strings, c.tag);
        take(c.hint, strings, c.tag + 1);
        break;
    case ControlKind::SpeedButton:
    case ControlKind::Image:
        take(c.hint, strings, c.tag);
        break;
    case ControlKind::ToolButton:
        take(c.hint, strings, c.tag + 1);
        break;
    case ControlKind::Edit:
    case ControlKind::Panel:
    case ControlKind::GroupBox:
    case ControlKind::RadioGroup:
        take(c.caption, strings, c.tag);
        break;
    case ControlKind::OpenDialog:
    case ControlKind::SaveDialog:
        take(c.caption, strings, c.tag);
        take(c.filter, strings, c.tag + 1);
        break;
    case ControlKind::ListView:
        for (auto& [tag, caption] : c.columns)
            take(caption, strings, tag);
        break;
    case ControlKind::Other:
        break;
    }
}

} // namespace

StringTable StringTable::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(
            QStringLiteral("Cannot read the string table %1: %2").arg(path, file.errorString()));
    return parse(QString::fromUtf8(file.readAll()));
}

StringTable StringTable::parse(const QString& content) {
    StringTable table;
    const QStringList lines = content.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype equals = line.indexOf(u'=');
        bool numeric = false;
        const int number = equals > 0 ? line.left(equals).trimmed().toInt(&numeric) : 0;
        if (!numeric)
            throw Error(
                QStringLiteral("String table line %1 is not NUMBER=TEXT: %2").arg(i + 1).arg(line));
        table.texts_.insert(number, line.mid(equals + 1)
                                        .replace(QStringLiteral("\\n"), QStringLiteral("\n"))
                                        .left(MaxText));
    }
    return table;
}

std::optional<QString> StringTable::text(int number) const {
    const auto it = texts_.constFind(number);
    return it == texts_.cend() ? std::nullopt : std::optional<QString>(*it);
}

void translateForm(TranslatableForm& form, const StringTable& strings) {
    if (form.tag > 0)
        take(form.caption, strings, form.tag);
    for (TranslatableControl& control : form.controls) {
        if (control.tag > 0)
            translateControl(control, strings);
    }
    for (TranslatableForm& child : form.children)
        translateForm(child, strings);
}

} // namespace tessellon
