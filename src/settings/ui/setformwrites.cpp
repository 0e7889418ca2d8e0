// The settings window's two writes: one change from the send button, the whole list from the
// programming panel, and what the window shows when they end.
#include "settings/ui/setform.h"

#include "settings/ui/setformtexts.h"

#include <QFrame>
#include <QToolButton>

void Tsetform::sendbuttonClick() {
    const WriteStart start = link_.sendOneChange();
    sendbutton->setChecked(start == WriteStart::Started);
}

void Tsetform::progbuttonClick() {
    confirmer_.confirm(this, text(SetformText::WholeListQuestion, link_.state.LanguageIndex),
                       [this](bool yes) {
                           if (yes)
                               sendWholeList();
                       });
}

void Tsetform::sendWholeList() {
    const WriteStart start = link_.sendWholeList();
    vxbutton->setChecked(start == WriteStart::Started);
    vxprogpanel->hide();
}

void Tsetform::writeEnded(PacedWrite kind) {
    if (kind == PacedWrite::OneChange) {
        sendbutton->setChecked(false);
        sendbutton->setEnabled(false);
    } else if (kind == PacedWrite::WholeList) {
        vxbutton->setChecked(false);
    }
}

// A read-back has put what the controller holds into the image.
void Tsetform::writeChecked(const WriteCheck& check) {
    if (check.write == PacedWrite::AlarmUnit)
        return;
    if (SettingsMode)
        drawPage(CurrentPage);
    else
        caldisplay();
}
