#pragma once

#include "answeringsavedialogs.h"
#include "historymemory.h"
#include "linkrig.h"

#include "common/languagefonts.h"
#include "shell/graphstate.h"
#include "shell/ui/tgraphform.h"

#include <QComboBox>
#include <QImage>
#include <QTest>

// The graph window on the fake link, as the program builds it.
struct GraphWindowRig {
    LinkRig rig;
    LanguageFonts fonts;
    GraphState graph;
    AnsweringSaveDialogs dialogs;
    Tgraphform form{rig.link, fonts, graph, dialogs};

    // Shows the window as the main window's history button does; its activation asks for data.
    bool open() {
        form.showOrHide();
        return QTest::qWaitForWindowActive(&form);
    }
    // Runs the link until the read in progress ends.
    void finishRead() {
        const qsizetype before = rig.done.size();
        while (rig.done.size() == before && rig.clock.advanceToNextTimer()) {
        }
    }
    // Opens the window on a device holding `device` and reads its history.
    bool openOn(const HistoryMemory& device) {
        rig.answerFrom(device.bytes);
        if (!open())
            return false;
        finishRead();
        return graph.HistoryValid;
    }
    template <typename Widget> Widget* child(const char* name) const {
        return form.findChild<Widget*>(name);
    }
    QImage picture() { return form.grab().toImage(); }
};
