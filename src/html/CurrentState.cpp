#include "html/CurrentState.h"

#include "html/ColorNames.h"
#include "html/Tag.h"

namespace tessellon {

TCurrentState::TCurrentState(TQzMiniHtml2* owner) : owner(owner) {
    resetToDefaults();
}

void TCurrentState::resetToDefaults() {
    Font = TextFont{};
    TargetURL.clear();
    BackGroundColor = KeyColor;
    FontColor = clBlack;
    ActiveColor = clRed;
    VisitedColor = clPurple;
    URLColor = clBlue;
    Selected = false;
    TextStyle = TTextStyle::isNormal;
    Align.clear();
    Indent = 0;
    Visible = true;
    ListItemShowType.clear();
    fmName.clear();
    fmMethod.clear();
    fmAction.clear();
}

void TCurrentState::InitState() {
    resetToDefaults();
    for (atag* tag : StateTagList)
        tag->UpdateState(*this);
}

void TCurrentState::AddTag(atag* tag) {
    StateTagList.append(tag);
    InitState();
}

void TCurrentState::RemoveTagWhere(bool (*isOfClass)(const atag*)) {
    for (qsizetype i = StateTagList.size() - 1; i >= 0; --i) {
        if (isOfClass(StateTagList[i])) {
            StateTagList.removeAt(i);
            InitState();
            return;
        }
    }
}

} // namespace tessellon
