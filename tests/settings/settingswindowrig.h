#pragma once

#include "../ui/uifakes.h"
#include "linkrig.h"
#include "writingcontroller.h"

#include "settings/ui/setform.h"
#include "settings/ui/stringcolumn.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <memory>

// A VX40 on a 12 V system whose memory the fake line answers from.
inline std::array<quint8, 512> sampleController() {
    std::array<quint8, 512> m{};
    const auto set = [&m](int address, int value) {
        m[static_cast<std::size_t>(address)] = static_cast<quint8>(value);
    };
    set(0, 130);    // VX40 v2
    set(93, 0x10);  // 12 V, program 1
    set(48, 125);   // clock 12.5 h
    set(33, 0x87);  // lockout open, sign bits of the voltage ranges set
    set(115, 0x01); // load switch on
    set(69, 115);
    set(70, 130);
    set(71, 5);
    set(101, 0x00); // BOST
    set(87, 146);   // BMAX 14.6 V
    set(85, 155);
    set(77, 60);   // 30.0 A
    set(92, 0x40); // TCMP 4, GMOD 0
    set(94, 10);   // 200 Ah
    set(90, 0xE1); // STRT 1, STOP 14
    set(79, 24);
    set(80, 12);
    set(188, 0x10);
    set(189, 0x02); // 528 Ah
    set(64, 120);
    set(65, 140);
    set(66, 10);
    set(181, 85);
    set(34, 0x35);
    set(35, 0xD2);
    set(215, 0x22);
    set(214, 0xFE);
    set(239, 0x00);
    return m;
}

// The settings window on the fake line, with helpers that use it as a user would.
struct SettingsWindowRig {
    LinkRig rig;
    ControllerIdentity identity;
    LanguageFonts fonts;
    FakeConfirmer confirmer;
    std::unique_ptr<WritingController> controller;
    std::unique_ptr<Tsetform> window;

    explicit SettingsWindowRig(const std::array<quint8, 512>& memory = sampleController()) {
        rig.answerFrom(memory);
        window = std::make_unique<Tsetform>(rig.link, identity, fonts, confirmer);
    }

    // A controller that also takes the writes the window sends.
    struct TakingWrites {};
    SettingsWindowRig(TakingWrites, const std::array<quint8, 512>& memory = sampleController()) {
        controller = std::make_unique<WritingController>(rig.direct);
        controller->memory = memory;
        window = std::make_unique<Tsetform>(rig.link, identity, fonts, confirmer);
    }

    void open() {
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    // Lets the fake line answer until the given number of reads have ended.
    void finishReads(int count) {
        while (rig.done.size() < count && rig.clock.advanceToNextTimer()) {
        }
        QCOMPARE(rig.done.size(), count);
    }

    template <typename T> T* find(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    StringColumn* column(const char* name) const { return find<StringColumn>(name); }
    QToolButton* button(const char* name) const { return find<QToolButton>(name); }
    void click(const char* buttonName) const {
        QTest::mouseClick(button(buttonName), Qt::LeftButton);
    }

    static QPoint cellCentre(StringColumn* column, int row) {
        return column->visualRect(column->model()->index(row, 0)).center();
    }
    static QLineEdit* editorOf(StringColumn* column) {
        return column->viewport()->findChild<QLineEdit*>();
    }

    // Double-clicks a cell; returns its editor, or null when none opened.
    QLineEdit* startEditing(const char* columnName, int row) const {
        StringColumn* c = column(columnName);
        QTest::mouseClick(c->viewport(), Qt::LeftButton, {}, cellCentre(c, row));
        QTest::mouseDClick(c->viewport(), Qt::LeftButton, {}, cellCentre(c, row));
        return editorOf(c);
    }

    // Types into the cell's editor and closes it with Enter.
    void enter(const char* columnName, int row, const QString& text) const {
        QLineEdit* editor = startEditing(columnName, row);
        QVERIFY(editor != nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(editorOf(column(columnName)) == nullptr);
    }

    // With TARVIK_SCREENSHOTS naming a folder, keeps a picture of the window there.
    void screenshot(const QString& name) const {
        const QString folder = qEnvironmentVariable("TARVIK_SCREENSHOTS");
        if (!folder.isEmpty())
            QVERIFY(window->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png")));
    }

    QString cell(const char* columnName, int row) const {
        return column(columnName)->cellText(row);
    }
};
