// The formatting in force at one place of a document: rebuilt from the stack
// of open start tags, so that an end tag closes the nearest open start tag of
// its own kind and an unclosed tag stays in force to the end.
#pragma once

#include "html/Canvas.h"

#include <QList>
#include <QString>

namespace tessellon {

class atag;
class TQzMiniHtml2;

enum class TTextStyle { isNormal, isSubScript, isSuperScript };

class TCurrentState {
public:
    TextFont Font;
    bool Visible = true;
    Color BackGroundColor = 0;
    int Indent = 0;
    QString TargetURL;
    QString Align;
    Color FontColor = 0;
    Color ActiveColor = 0;
    Color VisitedColor = 0;
    Color URLColor = 0;
    QString ListItemShowType;
    QString fmName;
    QString fmMethod;
    QString fmAction;
    bool Selected = false;
    TTextStyle TextStyle = TTextStyle::isNormal;
    TQzMiniHtml2* owner = nullptr;
    // The open start tags, oldest first; the document owns them.
    QList<atag*> StateTagList;

    explicit TCurrentState(TQzMiniHtml2* owner = nullptr);

    // Back to the defaults, then every open tag applies itself again.
    void InitState();
    void AddTag(atag* tag);
    // Closes the most recently opened tag of that class, if any.
    template <class TagClass> void RemoveTag() {
        RemoveTagWhere(
            [](const atag* tag) { return dynamic_cast<const TagClass*>(tag) != nullptr; });
    }
    void RemoveTagWhere(bool (*isOfClass)(const atag*));

private:
    void resetToDefaults();
};

} // namespace tessellon
