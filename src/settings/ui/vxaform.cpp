#include "settings/ui/vxaform.h"

#include "common/ui/languagefont.h"
#include "link/readsequences.h"
#include "settings/ui/vxagrid.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int FormWidth = 397, FormHeight = 372;
constexpr int Margin = 8;
constexpr int GridTop = 40, GridHeight = VxaGrid::Rows * 24 + 4;
constexpr int ChecklabTop = GridTop + GridHeight + 8, ButtonTop = ChecklabTop + 34;
constexpr int ButtonHeight = 30;

QColor colourOf(CheckColour colour, const QPalette& palette) {
    switch (colour) {
    case CheckColour::Lime:
        return QColor(0, 255, 0);
    case CheckColour::Red:
        return QColor(255, 0, 0);
    case CheckColour::Yellow:
        return QColor(255, 255, 0);
    case CheckColour::Aqua:
        return QColor(0, 255, 255);
    case CheckColour::ButtonFace:
        break;
    }
    return palette.color(QPalette::Button);
}

void paintBackground(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
}

} // namespace

Tvxaform::Tvxaform(ControllerLink& link, const ControllerIdentity& identity,
                   const LanguageFonts& fonts, QWidget* parent)
    : QWidget(parent, Qt::Window), link_(link), identity_(identity), fonts_(fonts) {
    FormCreate();
}

void Tvxaform::FormCreate() {
    setObjectName(QStringLiteral("Tvxaform"));
    setFixedSize(FormWidth, FormHeight);
    heading = new QLabel(this);
    heading->setObjectName(QStringLiteral("heading"));
    heading->setAlignment(Qt::AlignCenter);
    heading->setAutoFillBackground(true);
    paintBackground(heading, Qt::yellow);
    heading->setGeometry(Margin, 8, FormWidth - 2 * Margin, 26);
    SGrid = new VxaGrid(this);
    SGrid->setObjectName(QStringLiteral("SGrid"));
    SGrid->setGeometry(Margin, GridTop, FormWidth - 2 * Margin - 4, GridHeight);
    Checklab = new QLabel(this);
    Checklab->setObjectName(QStringLiteral("Checklab"));
    Checklab->setAlignment(Qt::AlignCenter);
    Checklab->setAutoFillBackground(true);
    Checklab->setFrameShape(QFrame::Panel);
    Checklab->setFrameShadow(QFrame::Sunken);
    Checklab->setGeometry(Margin, ChecklabTop, FormWidth - 2 * Margin, 26);
    Readvxabut = new QPushButton(this);
    Readvxabut->setObjectName(QStringLiteral("Readvxabut"));
    Readvxabut->setGeometry(Margin, ButtonTop, 150, ButtonHeight);
    Writevxabut = new QPushButton(this);
    Writevxabut->setObjectName(QStringLiteral("Writevxabut"));
    Writevxabut->setGeometry(Margin + 156, ButtonTop, 150, ButtonHeight);
    Closebut = new QPushButton(this);
    Closebut->setObjectName(QStringLiteral("Closebut"));
    Closebut->setGeometry(FormWidth - Margin - 69, ButtonTop, 69, ButtonHeight);

    connect(Readvxabut, &QPushButton::clicked, this, &Tvxaform::ReadvxabutClick);
    connect(Writevxabut, &QPushButton::clicked, this, &Tvxaform::WritevxabutClick);
    connect(Closebut, &QPushButton::clicked, this, &QWidget::hide);
    connect(SGrid, &VxaGrid::valueEntered, this, &Tvxaform::SGridSetEditText);
    connect(SGrid, &VxaGrid::rowChosen, this, &Tvxaform::Loaddata);
    connect(&link_, &ControllerLink::readEnded, this, &Tvxaform::readDone);
    connect(&link_, &ControllerLink::writeEnded, this, &Tvxaform::writeEnded);
    connect(&link_, &ControllerLink::writeChecked, this, &Tvxaform::writeChecked);

    setCheck(AlarmUnitCheck::Checksum);
    Loadcap();
    link_.alarmImage = defaultAlarmUnitImage();
    Vxatodis();
    Loaddata();
}

void Tvxaform::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void Tvxaform::FormActivate() {
    SGrid->chooseRow(VxaGrid::FirstValueRow);
    SGrid->closeEditorCommitting();
    Loadcap();
}

// Labels and units follow the unit's variant as it was last decoded.
void Tvxaform::Loadcap() {
    const int language = link_.state.LanguageIndex;
    const int variant = identity_.AlarmUnitVariant;
    const QFont font = languageFont(fonts_, language);
    setFont(font);
    SGrid->setFont(font);
    setWindowTitle(text(AlarmUnitText::Caption, language));
    heading->setText(text(AlarmUnitText::Heading, language));
    Readvxabut->setText(text(AlarmUnitText::ReadButton, language));
    Writevxabut->setText(text(AlarmUnitText::WriteButton, language));
    Closebut->setText(text(AlarmUnitText::CloseButton, language));
    for (int row = 0; row < VxaGrid::Rows; ++row) {
        SGrid->setCellText(row, VxaGrid::LabelColumn, alarmUnitLabel(row, variant, language));
        SGrid->setCellText(row, VxaGrid::UnitColumn, alarmUnitUnit(row, variant, language));
    }
    SGrid->setCellText(0, VxaGrid::ValueColumn, text(AlarmUnitText::ValueHeader, language));
    setCheck(check_);
}

void Tvxaform::Loaddata() {
    for (int row = VxaGrid::FirstValueRow; row <= VxaGrid::LastValueRow; ++row)
        SGrid->setCellText(row, VxaGrid::ValueColumn, valuesKnown_ ? values_.row(row) : QString());
    SGrid->viewport()->update();
}

void Tvxaform::Vxatodis() {
    const AlarmUnitDisplay shown = ::Vxatodis(link_.alarmImage);
    values_ = shown.values;
    setCheck(shown.checksumOk ? AlarmUnitCheck::CheckOk : AlarmUnitCheck::CheckBad);
}

void Tvxaform::SGridSetEditText(int row, const QString& text) {
    if (!valuesKnown_ || row < VxaGrid::FirstValueRow || row > VxaGrid::LastValueRow)
        return;
    values_.setRow(row, normaliseAlarmUnitEntry(row, text));
    Loaddata();
}

void Tvxaform::ReadvxabutClick() {
    SGrid->closeEditorCommitting();
    if (link_.startRead(ReadKind::AlarmUnit, Requester::AlarmUnit) == ReadStart::Started)
        setCheck(AlarmUnitCheck::Reading);
}

// The values shown are written; the grid then shows them as the unit will hold them.
void Tvxaform::WritevxabutClick() {
    SGrid->closeEditorCommitting();
    if (link_.isBusy() || !valuesKnown_)
        return;
    distovxa(values_, link_.alarmImage);
    values_ = ::Vxatodis(link_.alarmImage).values;
    Loaddata();
    if (link_.startAlarmUnitWrite() != WriteStart::Started)
        return;
    writing_ = true;
    setCheck(AlarmUnitCheck::Sending);
}

void Tvxaform::readDone(int readType, ReadOutcome outcome) {
    if (readType != ReadKind::AlarmUnit)
        return;
    if (outcome != ReadOutcome::Completed) {
        showValues(false);
        setCheck(AlarmUnitCheck::ReadError);
        return;
    }
    const AlarmUnitCheck waiting = check_;
    Vxatodis();
    showValues(true);
    // A write's read-back keeps the label until its verdict.
    if (writing_)
        setCheck(waiting);
}

void Tvxaform::writeEnded(PacedWrite kind) {
    if (kind != PacedWrite::AlarmUnit || !writing_)
        return;
    setCheck(link_.verifyWrites() ? AlarmUnitCheck::Reading : AlarmUnitCheck::Checksum);
}

// "Check OK" only when the unit holds what was sent and its checksum holds.
void Tvxaform::writeChecked(const WriteCheck& check) {
    if (check.write != PacedWrite::AlarmUnit || !writing_)
        return;
    writing_ = false;
    switch (check.result) {
    case WriteCheck::Result::Verified:
        setCheck(::Vxatodis(link_.alarmImage).checksumOk ? AlarmUnitCheck::CheckOk
                                                         : AlarmUnitCheck::CheckBad);
        break;
    case WriteCheck::Result::Differs:
        setCheck(AlarmUnitCheck::CheckBad);
        break;
    case WriteCheck::Result::ReadFailed:
        setCheck(AlarmUnitCheck::ReadError);
        break;
    case WriteCheck::Result::NotChecked:
        setCheck(AlarmUnitCheck::Checksum);
        break;
    }
}

void Tvxaform::showValues(bool known) {
    valuesKnown_ = known;
    SGrid->setValuesEditable(known);
    Writevxabut->setEnabled(known);
    Loaddata();
}

void Tvxaform::setCheck(AlarmUnitCheck check) {
    check_ = check;
    Checklab->setText(alarmUnitCheckText(check, link_.state.LanguageIndex));
    paintBackground(Checklab, colourOf(alarmUnitCheckColour(check), palette()));
}
