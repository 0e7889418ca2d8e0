#include "data/ui/currentform.h"

#include "common/ui/languagefont.h"
#include "data/currentstatelabels.h"
#include "data/currentstatetexts.h"
#include "data/currentviewfonts.h"
#include "data/ui/currentpicture.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QTableWidget>
#include <algorithm>

namespace {

constexpr int PanelWidth = 462, PanelHeight = 217, Margin = 4, StateWidth = 135;
const QColor FixedCells(0, 255, 0);

void setSizedFont(QWidget* widget, const QString& face, int pointSize) {
    QFont font = widget->font();
    font.setFamily(face);
    font.setPointSize(pointSize);
    widget->setFont(font);
}

// The voltages keep their own face whatever the language.
void setOwnFont(QLabel* label, int pointSize, bool bold) {
    QFont font(QStringLiteral("Arial"), pointSize);
    font.setBold(bold);
    label->setFont(font);
}

} // namespace

TCurrentform::TCurrentform(ControllerLink& link, ControllerIdentity& identity,
                           CurrentReportTexts& texts, const LanguageFonts& fonts, QWidget* parent)
    : QWidget(parent, Qt::Window), link_(link), identity_(identity), reportTexts_(texts),
      fonts_(fonts) {
    setGeometry(0, 94, 470, 384);
    picture = new CurrentPicture(this);
    picture->setGeometry(Margin, Margin, PanelWidth, PanelHeight);
    createLabels();
    placeLabels();
    createStatusTable();
    bindTexts();
    connectLink();
    curprogress->show();
    applyLanguage();
    labelupdate();
}

QLabel* TCurrentform::label(int left, int top, int width, int height) {
    auto* made = new QLabel(picture);
    made->move(left, top);
    if (width > 0)
        made->resize(width, height > 0 ? height : made->sizeHint().height());
    else
        autoSized_.push_back(made);
    return made;
}

void TCurrentform::createLabels() {
    Chargelab = label(6, 45);
    Chargelab2 = label(6, 74);
    camphrlab2 = label(6, 160);
    Camphrlab = label(6, 184);
    Typelab = label(8, 8);
    nomvlab = label(108, 8);
    Statelab = label(168, 8, StateWidth);
    soclab = label(352, 10, 96);
    Loadlab = label(240, 45, 211);
    Loadlab2 = label(296, 74, 160);
    lamphrlab2 = label(288, 160, 164);
    Lamphrlab = label(256, 184, 199);
    batvlab = label(186, 100, 89, 31);
    maxminlab = label(178, 138, 105, 25);
    templab = label(200, 184);
    inlab = label(6, 119);
    outlab = label(410, 119);
    Waitlab = label(50, 56, 360, 90);
    Waitlab1 = label(60, 65, 340, 30);
    curprogress = new QProgressBar(picture);
    curprogress->setGeometry(110, 110, 240, 16);
}

void TCurrentform::placeLabels() {
    inlab->setText(QStringLiteral("IN"));
    outlab->setText(QStringLiteral("OUT"));
    for (QLabel* right : {Loadlab, Loadlab2, lamphrlab2, Lamphrlab})
        right->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    batvlab->setAlignment(Qt::AlignCenter);
    maxminlab->setAlignment(Qt::AlignCenter);
    setOwnFont(batvlab, 18, true);
    setOwnFont(maxminlab, 10, false);
    setOwnFont(templab, 10, false);

    Waitlab->setAutoFillBackground(true);
    QPalette red = Waitlab->palette();
    red.setColor(QPalette::Window, Qt::red);
    Waitlab->setPalette(red);
    Waitlab1->setAlignment(Qt::AlignCenter);
    QPalette white = Waitlab1->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    Waitlab1->setPalette(white);

    curprogress->setTextVisible(false);
    QPalette blue = curprogress->palette();
    blue.setColor(QPalette::Highlight, Qt::blue);
    curprogress->setPalette(blue);
    Waitlab->raise();
    Waitlab1->raise();
    curprogress->raise();
}

void TCurrentform::createStatusTable() {
    Curstring = new QTableWidget(StatusRows + 1, 2, this);
    Curstring->setGeometry(Margin, Margin + PanelHeight + Margin, PanelWidth,
                           384 - PanelHeight - 3 * Margin);
    Curstring->horizontalHeader()->hide();
    Curstring->verticalHeader()->hide();
    Curstring->verticalHeader()->setDefaultSectionSize(24);
    Curstring->setColumnWidth(0, 300);
    Curstring->horizontalHeader()->setStretchLastSection(true);
    Curstring->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Curstring->setSelectionMode(QAbstractItemView::NoSelection);
    Curstring->setFocusPolicy(Qt::NoFocus);
    for (int row = 0; row <= StatusRows; ++row)
        for (int column = 0; column < 2; ++column) {
            auto* item = new QTableWidgetItem;
            if (row == 0 || column == 0)
                item->setBackground(FixedCells);
            Curstring->setItem(row, column, item);
        }
    Curstring->viewport()->installEventFilter(this);
}

void TCurrentform::bindTexts() {
    using namespace CurrentText;
    texts_.text(Caption, [this](const QString& caption) { setWindowTitle(caption); });
    texts_.text(GridHeading,
                [this](const QString& heading) { Curstring->item(0, 0)->setText(heading); });
    texts_.caption(Waitlab1, WaitText);
    for (int row = 1; row <= StatusRows; ++row)
        texts_.text(RowTitles[static_cast<size_t>(row - 1)],
                    [this, row](const QString& title) { Curstring->item(row, 0)->setText(title); });
    texts_.hint(this, CurrentHint::Window);
    texts_.hint(picture, CurrentHint::Picture);
    texts_.hint(Curstring, CurrentHint::Curstring);
    const std::pair<QLabel*, const TextRow*> hints[] = {
        {Typelab, &CurrentHint::Typelab},    {nomvlab, &CurrentHint::nomvlab},
        {Statelab, &CurrentHint::Statelab},  {soclab, &CurrentHint::soclab},
        {Chargelab, &CurrentHint::Charge},   {Chargelab2, &CurrentHint::Charge},
        {Loadlab, &CurrentHint::Load},       {Loadlab2, &CurrentHint::Load},
        {batvlab, &CurrentHint::batvlab},    {maxminlab, &CurrentHint::maxminlab},
        {Camphrlab, &CurrentHint::ChargeAh}, {camphrlab2, &CurrentHint::ChargeAh},
        {Lamphrlab, &CurrentHint::LoadAh},   {lamphrlab2, &CurrentHint::LoadAh},
        {templab, &CurrentHint::templab},    {inlab, &CurrentHint::inlab},
        {outlab, &CurrentHint::outlab}};
    for (const auto& [control, row] : hints)
        texts_.hint(control, *row);
}

void TCurrentform::connectLink() {
    connect(&link_.reads, &ReadSequencer::readStepped, this, [this](int readType) {
        if (readType == ReadKind::Current || readType == ReadKind::Status ||
            readType == ReadKind::AlarmUnit)
            curprogress->setValue(curprogress->value() + 1);
    });
    connect(&link_.reads, &ReadSequencer::readDone, this, [this](int readType, bool) {
        if (readType == ReadKind::Current || readType == ReadKind::Status)
            labelupdate();
        else if (readType == ReadKind::AlarmUnit)
            hideWaitBox();
    });
    connect(&link_.engine, &TransactionEngine::commFailed, this, [this](int requester) {
        if (requester == static_cast<int>(Requester::Window))
            labelupdate();
    });
}

void TCurrentform::applyLanguage() {
    texts_.apply(link_.state.LanguageIndex);
    applyFonts();
}

void TCurrentform::applyFonts() {
    const int language = link_.state.LanguageIndex;
    const QString face = displayFace(fonts_.name(language), language);
    const int size = currentViewFontSize(fonts_.size(language), language);
    setSizedFont(this, face, size);
    for (QWidget* control : std::initializer_list<QWidget*>{
             Curstring, Typelab, Statelab, soclab, inlab, outlab, Chargelab, Chargelab2, Loadlab,
             Loadlab2, Camphrlab, camphrlab2, Lamphrlab, lamphrlab2, nomvlab})
        setSizedFont(control, face, size);
    setSizedFont(Waitlab1, face, currentViewWaitFontSize(language));
}

void TCurrentform::labelupdate() {
    hideWaitBox();
    redraw();
}

void TCurrentform::redraw() {
    const CurrentStateTexts decoded =
        currentStateTexts(decodeCurrentState(link_.image, identity_), link_.state.LanguageIndex);
    showTexts(decoded);
    reportTexts_.CurrentSummaryLines = decoded.CurrentSummaryLines;
    reportTexts_.CurrentValueTexts = decoded.CurrentValueTexts;
    update();
}

void TCurrentform::showTexts(const CurrentStateTexts& texts) {
    const std::pair<QLabel*, const QString*> shown[] = {
        {Typelab, &texts.Typelab},     {nomvlab, &texts.nomvlab},
        {Statelab, &texts.Statelab},   {soclab, &texts.soclab},
        {Chargelab, &texts.Chargelab}, {Chargelab2, &texts.Chargelab2},
        {Loadlab, &texts.Loadlab},     {Loadlab2, &texts.Loadlab2},
        {batvlab, &texts.batvlab},     {maxminlab, &texts.maxminlab},
        {Camphrlab, &texts.Camphrlab}, {camphrlab2, &texts.camphrlab2},
        {Lamphrlab, &texts.Lamphrlab}, {lamphrlab2, &texts.lamphrlab2},
        {templab, &texts.templab}};
    for (const auto& [control, text] : shown)
        control->setText(*text);
    // Labels placed without a width grow with their text.
    for (QLabel* control : autoSized_)
        control->adjustSize();
    // The longer state names (German) take the room up to the state of charge.
    Statelab->resize(
        std::clamp(Statelab->sizeHint().width(), StateWidth, soclab->x() - Statelab->x() - 2),
        Statelab->height());
    for (int row = 1; row <= StatusRows; ++row)
        Curstring->item(row, 1)->setText(texts.statusValues[static_cast<size_t>(row - 1)]);
}

void TCurrentform::showWaitBox(int steps) {
    curprogress->setMaximum(steps);
    curprogress->setValue(0);
    Waitlab->show();
    Waitlab1->show();
    curprogress->show();
}

void TCurrentform::hideWaitBox() {
    Waitlab->hide();
    Waitlab1->hide();
    curprogress->hide();
}

void TCurrentform::startRead(int readType) {
    if (link_.engine.state.Busy)
        return;
    showWaitBox(readCount(readType));
    // A refused read (start-up not over, a dial under way) would leave the wait box up forever.
    if (!link_.startRead(readType, Requester::Window) && !link_.engine.state.Busy)
        hideWaitBox();
}

void TCurrentform::getcurrent() {
    startRead(ReadKind::Current);
}

void TCurrentform::CurstringMouseDown() {
    startRead(ReadKind::Status);
}

void TCurrentform::ToolButton4Click() {
    if (isVisible()) {
        hide();
        return;
    }
    show();
    if (!link_.valid.CurrentDataValid)
        getcurrent();
    raise();
    activateWindow();
}

// Activation arrives after the window is shown, when its read may already be running: the wait
// box then stays until the read ends.
void TCurrentform::FormActivate() {
    applyLanguage();
    const int type = link_.engine.state.ReadType;
    if (link_.engine.state.Busy && (type == ReadKind::Current || type == ReadKind::Status))
        redraw();
    else
        labelupdate();
}

void TCurrentform::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    QWidget::changeEvent(event);
}

void TCurrentform::closeEvent(QCloseEvent* event) {
    emit closed();
    QWidget::closeEvent(event);
}

void TCurrentform::mousePressEvent(QMouseEvent* event) {
    getcurrent();
    QWidget::mousePressEvent(event);
}

bool TCurrentform::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Curstring->viewport() && event->type() == QEvent::MouseButtonPress)
        CurstringMouseDown();
    return QWidget::eventFilter(watched, event);
}
