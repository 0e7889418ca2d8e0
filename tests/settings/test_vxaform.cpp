#include "linkrig.h"
#include "widgettestmain.h"
#include "writingcontroller.h"

#include "settings/ui/vxaform.h"
#include "settings/ui/vxagrid.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {

constexpr int Eeprom = 256;

// The programmer on the fake line, with an alarm unit that answers reads and takes its writes.
struct ProgrammerRig {
    LinkRig rig;
    ControllerIdentity identity;
    LanguageFonts fonts;
    WritingController unit{rig.direct};
    std::unique_ptr<Tvxaform> window;
    QSignalSpy checked{&rig.link, &ControllerLink::writeChecked};

    explicit ProgrammerRig(int variant = 0) {
        identity.AlarmUnitVariant = variant;
        unit.eepromNeedsEnable = false;
        // A 24 V unit at 1200 baud whose bytes 0..7 are its own.
        const QList<int> bytes{1,   2,   3,   4, 5, 6,    7,    8,    112,  116, 115,
                               125, 117, 154, 6, 0, 0x11, 0x11, 0x11, 0x11, 0x11};
        int sum = 0;
        for (int address = 0; address < 15; ++address)
            sum += bytes.at(address);
        for (int address = 0; address < bytes.size(); ++address)
            unit.memory[size_t(Eeprom + address)] = quint8(bytes.at(address));
        unit.memory[size_t(Eeprom + 15)] = quint8(sum & 255);
        window = std::make_unique<Tvxaform>(rig.link, identity, fonts);
        window->show();
    }

    QStringList values() const {
        QStringList out;
        for (int row = 1; row <= 9; ++row)
            out << window->SGrid->cellText(row, VxaGrid::ValueColumn);
        return out;
    }
    QString check() const { return window->Checklab->text(); }
    QColor checkColour() const { return window->Checklab->palette().color(QPalette::Window); }

    void read() {
        const int before = rig.done.size();
        QTest::mouseClick(window->Readvxabut, Qt::LeftButton);
        rig.runUntil([&] { return rig.done.size() > before; });
    }

    // The open editor; closed ones linger hidden until they are deleted.
    QLineEdit* editorOf() const {
        for (QLineEdit* editor : window->SGrid->viewport()->findChildren<QLineEdit*>())
            if (editor->isVisible())
                return editor;
        return nullptr;
    }

    // Chooses a value cell with a click, types and closes the editor with Enter.
    void type(int row, const QString& text) {
        VxaGrid* grid = window->SGrid;
        const QPoint centre = grid->visualRect(grid->model()->index(row, 1)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre);
        QLineEdit* editor = editorOf();
        QVERIFY(editor != nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(editorOf() == nullptr);
    }

    // The EEPROM write frames sent, as (address, data).
    QList<QPair<int, int>> writes() const {
        QList<QPair<int, int>> out;
        for (const QByteArray& frame : rig.direct.sent)
            if (quint8(frame.at(0)) == 202)
                out.append({quint8(frame.at(1)), quint8(frame.at(2))});
        return out;
    }
};

const QStringList Defaults{"12", "2400", "11.2", "11.6", "11.5", "12.5", "11.7", "15.4", "0"};
const QStringList OfTheUnit{"24", "1200", "22.4", "23.2", "23.0", "25.0", "23.4", "30.8", "6"};

} // namespace

// The alarm-unit programmer reads the unit, takes typed values as the grid keeps them and writes
// them back, checking what the unit then holds.
class VxaformTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithTheDefaults() {
        ProgrammerRig p;
        QCOMPARE(p.values(), Defaults);
        QCOMPARE(p.check(), QStringLiteral("Check OK"));
        QCOMPARE(p.checkColour(), QColor(0, 255, 0));
        QCOMPARE(p.window->SGrid->cellText(0, 1), QStringLiteral("Value"));
        QCOMPARE(p.window->SGrid->cellText(3, 0), QStringLiteral("Load Disconnect On below"));
        QCOMPARE(p.window->SGrid->cellText(9, 2), QString());
        QCOMPARE(p.window->windowTitle(), QStringLiteral("VXA Programmer"));
    }

    void labelsOfTheOtherVariant() {
        ProgrammerRig p(1);
        QCOMPARE(p.window->SGrid->cellText(3, 0),
                 QStringLiteral("Urgent Low Voltage Alarm On below"));
        QCOMPARE(p.window->SGrid->cellText(9, 0), QStringLiteral("Charge fail alarm delay time"));
        QCOMPARE(p.window->SGrid->cellText(9, 2), QStringLiteral("hours"));
    }

    void readShowsTheUnit() {
        ProgrammerRig p;
        QTest::mouseClick(p.window->Readvxabut, Qt::LeftButton);
        QCOMPARE(p.check(), QStringLiteral("Read"));
        QCOMPARE(p.checkColour(), QColor(0, 255, 255));
        p.rig.runUntil([&] { return !p.rig.done.isEmpty(); });
        QCOMPARE(p.values(), OfTheUnit);
        QCOMPARE(p.check(), QStringLiteral("Check OK"));

        p.unit.memory[size_t(Eeprom + 3)] ^= 1; // a byte never shown, counted in the sum
        p.read();
        QCOMPARE(p.check(), QStringLiteral("Check Bad"));
        QCOMPARE(p.checkColour(), QColor(255, 0, 0));
    }

    // What a failed read leaves in the image is not shown as the unit's, nor written.
    void aFailedReadShowsNoValues() {
        ProgrammerRig p;
        QObject::disconnect(&p.rig.direct, nullptr, &p.unit, nullptr);
        p.read();
        QCOMPARE(p.check(), QStringLiteral("Read Error"));
        QCOMPARE(p.checkColour(), QColor(255, 0, 0));
        QCOMPARE(p.values(), QStringList(9, QString()));
        QVERIFY(!p.window->Writevxabut->isEnabled());
        p.window->WritevxabutClick();
        QVERIFY(p.writes().isEmpty());

        WritingController answering(p.rig.direct);
        answering.memory = p.unit.memory;
        p.read();
        QCOMPARE(p.values(), OfTheUnit);
        QVERIFY(p.window->Writevxabut->isEnabled());
    }

    void typedValuesAreKeptNormalised() {
        ProgrammerRig p;
        p.type(1, QStringLiteral("20"));
        p.type(2, QStringLiteral("5000"));
        p.type(4, QStringLiteral("7.25"));
        p.type(5, QStringLiteral("123.4"));
        p.type(9, QStringLiteral("300"));
        QCOMPARE(p.values(), (QStringList{"24", "9600", "11.2", " 7.2", "23.4", "12.5", "11.7",
                                          "15.4", "255"}));

        VxaGrid* grid = p.window->SGrid;
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(6, 1)).center());
        QLineEdit* editor = p.editorOf();
        QVERIFY(editor != nullptr);
        QTest::keyClicks(editor, QStringLiteral("99"));
        QTest::keyClick(editor, Qt::Key_Escape);
        QTRY_VERIFY(p.editorOf() == nullptr);
        QCOMPARE(grid->cellText(6, 1), QStringLiteral("12.5"));
    }

    // Passing over a cell leaves a decoded value that typing could not give as it is shown.
    void choosingACellKeepsItsValue() {
        ProgrammerRig p;
        for (int copy = 16; copy <= 20; ++copy)
            p.unit.memory[size_t(Eeprom + copy)] = 0x24; // 48 V
        p.unit.memory[size_t(Eeprom + 8)] = 255;
        int sum = 0;
        for (int address = 0; address < 15; ++address)
            sum += p.unit.memory[size_t(Eeprom + address)];
        p.unit.memory[size_t(Eeprom + 15)] = quint8(sum & 255);
        p.read();
        QCOMPARE(p.values().at(2), QStringLiteral("102.0"));
        p.window->SGrid->chooseRow(3);
        QVERIFY(p.editorOf() != nullptr);
        p.window->SGrid->chooseRow(4);
        QCOMPARE(p.values().at(2), QStringLiteral("102.0"));
    }

    // Choosing a label or the header chooses the value cell of that row (or of row 1).
    void onlyValueCellsAreChosen() {
        ProgrammerRig p;
        VxaGrid* grid = p.window->SGrid;
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(4, 0)).center());
        QCOMPARE(grid->currentRow(), 4);
        QCOMPARE(grid->currentColumn(), 1);
        QVERIFY(p.editorOf() != nullptr);
        grid->setCurrentCell(0, 2);
        QCOMPARE(grid->currentRow(), 1);
        QCOMPARE(grid->currentColumn(), 1);
    }

    void writeSendsTheValuesAndChecksThem() {
        ProgrammerRig p;
        p.read();
        p.type(3, QStringLiteral("22.0"));
        p.type(9, QStringLiteral("12"));
        QTest::mouseClick(p.window->Writevxabut, Qt::LeftButton);
        QCOMPARE(p.check(), QStringLiteral("Send"));
        QCOMPARE(p.checkColour(), QColor(255, 255, 0));
        p.rig.runUntil([&] { return !p.checked.isEmpty(); });
        QCoreApplication::processEvents();

        QList<QPair<int, int>> expected;
        int sum = 1 + 2 + 3 + 4 + 5 + 6 + 7 + 8 + 110 + 116 + 115 + 125 + 117 + 154 + 12;
        const QList<int> sent{0x11, 0x11, 0x11, 0x11, 0x11, sum & 255, 12,
                              154,  117,  125,  115,  116,  110};
        for (int address = 20; address >= 8; --address)
            expected.append({address, sent.at(20 - address)});
        QCOMPARE(p.writes(), expected);
        QCOMPARE(p.check(), QStringLiteral("Check OK"));
        QCOMPARE(p.values().at(2), QStringLiteral("22.0"));
        QCOMPARE(p.values().at(8), QStringLiteral("12"));
    }

    void aLostFrameIsNoCheckOk() {
        ProgrammerRig p;
        p.read();
        p.unit.lostWrites.insert(Eeprom + 11);
        p.type(6, QStringLiteral("26.0"));
        p.window->WritevxabutClick();
        p.rig.runUntil([&] { return !p.checked.isEmpty(); });
        QCoreApplication::processEvents();
        QCOMPARE(p.check(), QStringLiteral("Check Bad"));
        QCOMPARE(p.rig.link.status.text(StatusPanels::Link),
                 QStringLiteral("Differs at EEPROM 11"));
        // The grid shows what the unit really holds.
        QCOMPARE(p.values().at(5), QStringLiteral("25.0"));
    }

    void withoutVerificationTheLabelReturnsToChecksum() {
        ProgrammerRig p;
        p.rig.link.setVerifyWrites(false);
        p.window->WritevxabutClick();
        p.rig.runUntil([&] { return !p.checked.isEmpty(); });
        QCOMPARE(p.writes().size(), 13);
        QCOMPARE(p.check(), QStringLiteral("Checksum"));
    }
};

TARVIK_WIDGET_TEST_MAIN(VxaformTest)

#include "test_vxaform.moc"
