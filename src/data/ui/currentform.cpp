#include "data/ui/currentform.h"

#include "common/ui/languagefont.h"
#include "data/currentstatelabels.h"
#include "data/currentstatetexts.h"
#include "data/currentviewfonts.h"
#include "data/ui/currentpicture.h"
#include "link/readfailuretexts.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int PanelWidth = 462, PanelHeight = 217, Margin = 4, StateWidth = 135;
constexpr int TitleColumnWidth = 300;
// Right ends of the load current and load amp-hour lines.
constexpr int LoadRight = 451, LoadAhRight = 455;
// Room between a title and its value.
constexpr int TitleGap = 6;
const QColor FixedCells(0, 255, 0);
// Shown in place of a value the controller has not given.
const QString NotRead = QStringLiteral("--");

// Indexes into the decoded value texts: the totals of the two currents and the two amp-hours.
constexpr int ChargeTotal = 0, LoadTotal = 3, ChargeAhTotal = 6, LoadAhTotal = 9;

void setSizedFont(QWidget* widget, const QString& face, int pointSize) {
    QFont font = widget->font();
    font.setFamily(face);
    font.setPointSize(pointSize);
    widget->setFont(font);
}

void setColours(QWidget* widget, const QColor& background, const QColor& foreground) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, foreground);
    widget->setPalette(palette);
}

// The value follows its title on the same line.
void placeAfterTitle(QLabel* title, QLabel* value) {
    title->adjustSize();
    value->adjustSize();
    value->move(title->geometry().right() + 1 + TitleGap, title->y());
}

// The value ends at `right`, its title stands before it.
void placeBeforeValue(QLabel* title, QLabel* value, int top, int right) {
    title->adjustSize();
    value->adjustSize();
    value->move(right - value->width(), top);
    title->move(value->x() - TitleGap - title->width(), top);
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
    picture->setFixedSize(PanelWidth, PanelHeight);
    createLabels();
    placeLabels();
    createFailureLine();
    createStatusTable();
    layOut();
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
    if (width > 0 && height == 0)
        heightFromFont_.push_back(made);
    if (width == 0)
        autoSized_.push_back(made);
    return made;
}

void TCurrentform::createLabels() {
    Chargetitle = label(6, 45);
    Chargelab = label(6, 45);
    Chargelab2 = label(6, 74);
    camphrlab2 = label(6, 160);
    Camphrtitle = label(6, 184);
    Camphrlab = label(6, 184);
    Typelab = label(8, 8);
    nomvlab = label(108, 8);
    Statelab = label(168, 8, StateWidth);
    soclab = label(352, 10, 96);
    Loadtitle = label(240, 45);
    Loadlab = label(240, 45);
    Loadlab2 = label(296, 74, 160);
    lamphrlab2 = label(288, 160, 164);
    Lamphrtitle = label(256, 184);
    Lamphrlab = label(256, 184);
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
    for (QLabel* right : {Loadlab2, lamphrlab2})
        right->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    batvlab->setAlignment(Qt::AlignCenter);
    maxminlab->setAlignment(Qt::AlignCenter);
    setOwnFont(batvlab, 18, true);
    setOwnFont(maxminlab, 10, false);
    setOwnFont(templab, 10, false);

    setColours(Waitlab, Qt::red, Qt::white);
    Waitlab1->setAlignment(Qt::AlignCenter);
    setColours(Waitlab1, Qt::red, Qt::white);

    curprogress->setTextVisible(false);
    QPalette blue = curprogress->palette();
    blue.setColor(QPalette::Highlight, Qt::blue);
    curprogress->setPalette(blue);
    Waitlab->raise();
    Waitlab1->raise();
    curprogress->raise();
}

void TCurrentform::createFailureLine() {
    Faillab = new QLabel(this);
    Faillab->setObjectName(QStringLiteral("Faillab"));
    Faillab->setWordWrap(true);
    Faillab->setMargin(3);
    setColours(Faillab, Qt::red, Qt::white);
    Faillab->hide();
}

void TCurrentform::createStatusTable() {
    Curstring = new QTableWidget(StatusRows + 1, 2, this);
    Curstring->horizontalHeader()->hide();
    Curstring->verticalHeader()->hide();
    Curstring->verticalHeader()->setDefaultSectionSize(24);
    Curstring->setColumnWidth(0, TitleColumnWidth);
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

// The picture keeps its size; the table takes whatever the window has beyond it.
void TCurrentform::layOut() {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(Margin, Margin, Margin, Margin);
    column->setSpacing(Margin);
    column->addWidget(picture, 0, Qt::AlignLeft);
    column->addWidget(Faillab);
    column->addWidget(Curstring, 1);
}

void TCurrentform::bindTexts() {
    using namespace CurrentText;
    texts_.text(Caption, [this](const QString& caption) { setWindowTitle(caption); });
    texts_.text(GridHeading,
                [this](const QString& heading) { Curstring->item(0, 0)->setText(heading); });
    texts_.caption(Waitlab1, WaitText);
    texts_.caption(Chargetitle, ChargeCurrentTitle);
    texts_.caption(Loadtitle, LoadCurrentTitle);
    texts_.caption(Camphrtitle, ChargeAhTitle);
    texts_.caption(Lamphrtitle, LoadAhTitle);
    for (int row = 1; row <= StatusRows; ++row)
        texts_.text(RowTitles[static_cast<size_t>(row - 1)],
                    [this, row](const QString& title) { Curstring->item(row, 0)->setText(title); });
    texts_.hint(this, CurrentHint::Window);
    texts_.hint(picture, CurrentHint::Picture);
    texts_.hint(Curstring, CurrentHint::Curstring);
    const std::pair<QLabel*, const TextRow*> hints[] = {
        {Typelab, &CurrentHint::Typelab},      {nomvlab, &CurrentHint::nomvlab},
        {Statelab, &CurrentHint::Statelab},    {soclab, &CurrentHint::soclab},
        {Chargetitle, &CurrentHint::Charge},   {Chargelab, &CurrentHint::Charge},
        {Chargelab2, &CurrentHint::Charge},    {Loadtitle, &CurrentHint::Load},
        {Loadlab, &CurrentHint::Load},         {Loadlab2, &CurrentHint::Load},
        {batvlab, &CurrentHint::batvlab},      {maxminlab, &CurrentHint::maxminlab},
        {Camphrtitle, &CurrentHint::ChargeAh}, {Camphrlab, &CurrentHint::ChargeAh},
        {camphrlab2, &CurrentHint::ChargeAh},  {Lamphrtitle, &CurrentHint::LoadAh},
        {Lamphrlab, &CurrentHint::LoadAh},     {lamphrlab2, &CurrentHint::LoadAh},
        {templab, &CurrentHint::templab},      {inlab, &CurrentHint::inlab},
        {outlab, &CurrentHint::outlab}};
    for (const auto& [control, row] : hints)
        texts_.hint(control, *row);
}

void TCurrentform::connectLink() {
    connect(&link_, &ControllerLink::readStepped, this, [this](int readType) {
        if (readType == ReadKind::Current || readType == ReadKind::Status ||
            readType == ReadKind::AlarmUnit)
            curprogress->setValue(curprogress->value() + 1);
    });
    connect(&link_, &ControllerLink::readEnded, this, &TCurrentform::readEnded);
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
             Curstring,  Typelab,     Statelab,  soclab,     inlab,    outlab,      Chargetitle,
             Chargelab,  Chargelab2,  Loadtitle, Loadlab,    Loadlab2, Camphrtitle, Camphrlab,
             camphrlab2, Lamphrtitle, Lamphrlab, lamphrlab2, nomvlab,  Faillab})
        setSizedFont(control, face, size);
    setSizedFont(Waitlab1, face, currentViewWaitFontSize(language));
    // Long titles (German) widen their column rather than lose their ends.
    Curstring->resizeColumnToContents(0);
    Curstring->setColumnWidth(0, std::max(TitleColumnWidth, Curstring->columnWidth(0)));
}

void TCurrentform::labelupdate() {
    hideWaitBox();
    redraw();
}

void TCurrentform::redraw() {
    const CurrentStateTexts decoded =
        currentStateTexts(decodeCurrentState(link_.image, identity_), link_.state.LanguageIndex);
    showPanel(decoded);
    showStatusValues(decoded);
    showFailure();
    reportTexts_.CurrentSummaryLines = decoded.CurrentSummaryLines;
    reportTexts_.CurrentValueTexts = decoded.CurrentValueTexts;
    update();
}

// Until a current-state read has gone well the image holds no reading, only its zeros (or what
// other reads left), so no value is shown from it.
void TCurrentform::showPanel(const CurrentStateTexts& texts) {
    const QStringList& values = texts.CurrentValueTexts;
    const std::pair<QLabel*, QString> shown[] = {
        {Typelab, texts.Typelab},
        {nomvlab, texts.nomvlab},
        {Statelab, texts.Statelab},
        {soclab, texts.soclab},
        {Chargelab, values.at(ChargeTotal) + QStringLiteral(" A")},
        {Chargelab2, texts.Chargelab2},
        {Loadlab, values.at(LoadTotal) + QStringLiteral(" A")},
        {Loadlab2, texts.Loadlab2},
        {batvlab, texts.batvlab},
        {maxminlab, texts.maxminlab},
        {Camphrlab, values.at(ChargeAhTotal) + QStringLiteral(" Ah")},
        {camphrlab2, texts.camphrlab2},
        {Lamphrlab, values.at(LoadAhTotal) + QStringLiteral(" Ah")},
        {lamphrlab2, texts.lamphrlab2},
        {templab, texts.templab}};
    for (const auto& [control, text] : shown)
        control->setText(currentRead_ ? text : NotRead);
    for (QLabel* control : autoSized_)
        control->adjustSize();
    for (QLabel* control : heightFromFont_)
        control->resize(control->width(), control->sizeHint().height());
    // The longer state names (German) take the room up to the state of charge.
    Statelab->resize(
        std::clamp(Statelab->sizeHint().width(), StateWidth, soclab->x() - Statelab->x() - 2),
        Statelab->height());
    placeTitledValues();
}

// Titles differ in length from language to language, so each value is placed beside its title
// and never runs into it.
void TCurrentform::placeTitledValues() {
    placeAfterTitle(Chargetitle, Chargelab);
    placeAfterTitle(Camphrtitle, Camphrlab);
    placeBeforeValue(Loadtitle, Loadlab, Loadtitle->y(), LoadRight);
    placeBeforeValue(Lamphrtitle, Lamphrlab, Lamphrtitle->y(), LoadAhRight);
}

void TCurrentform::showStatusValues(const CurrentStateTexts& texts) {
    for (int row = 1; row <= StatusRows; ++row)
        Curstring->item(row, 1)->setText(
            statusRead_ ? texts.statusValues[static_cast<size_t>(row - 1)] : NotRead);
}

void TCurrentform::showFailure() {
    if (failure_ != nullptr)
        Faillab->setText(text(*failure_, link_.state.LanguageIndex));
    Faillab->setVisible(failure_ != nullptr);
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

// Asks the link for a read; a click while a read runs is ignored.
void TCurrentform::startRead(int readType) {
    if (link_.runningRead() != 0)
        return;
    failure_ = nullptr;
    showFailure();
    showWaitBox(readCount(readType));
    if (const ReadStart start = link_.startRead(readType, Requester::Window);
        start != ReadStart::Started) {
        failure_ = &startFailureText(start);
        labelupdate();
    }
}

// Any current-state or status read ends here, the main window's log reads as well: each brings
// values the window shows from then on, or a failure it shows until the next read.
void TCurrentform::readEnded(int readType, ReadOutcome outcome) {
    if (readType == ReadKind::AlarmUnit)
        hideWaitBox();
    if (readType != ReadKind::Current && readType != ReadKind::Status)
        return;
    if (outcome != ReadOutcome::Completed) {
        failure_ = &readFailureText(outcome);
    } else {
        failure_ = nullptr;
        (readType == ReadKind::Current ? currentRead_ : statusRead_) = true;
    }
    labelupdate();
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
    const int running = link_.runningRead();
    if (running == ReadKind::Current || running == ReadKind::Status)
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
