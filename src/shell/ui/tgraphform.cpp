#include "shell/ui/tgraphform.h"

#include "common/languagefonts.h"
#include "link/controllerlink.h"
#include "link/readfailuretexts.h"
#include "shell/graphstate.h"
#include "shell/graphtexts.h"
#include "shell/historychart.h"
#include "shell/ui/historychartpainter.h"
#include "shell/ui/savedialogs.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>

namespace {

constexpr int ChineseIndex = 2;

// The Chinese face reads best in the lists a little smaller than elsewhere.
int seriesListFontSize(int language, int size) {
    if (language != ChineseIndex)
        return size;
    if (size > 12)
        return 12;
    return size >= 11 ? 10 : size;
}

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

} // namespace

Tgraphform::Tgraphform(ControllerLink& link, const LanguageFonts& fonts, GraphState& graph,
                       SaveDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), link_(link), fonts_(fonts), graph_(graph), dialogs_(dialogs) {
    FormCreate();
}

void Tgraphform::FormCreate() {
    move(0, 90);
    setFixedSize(640, 440);
    setColour(this, QPalette::Window, Qt::white);
    setAutoFillBackground(true);

    Drawbutton = new QPushButton(this);
    Drawbutton->setObjectName(QStringLiteral("Drawbutton"));
    Drawbutton->setGeometry(4, 4, 109, 24);
    connect(Drawbutton, &QPushButton::clicked, this, &Tgraphform::getgraph);
    Comb1 = createSeriesList(0, "Comb1");
    comb2 = createSeriesList(1, "comb2");
    Comb3 = createSeriesList(2, "Comb3");
    Comb4 = createSeriesList(3, "Comb4");
    daylab = new QLabel(this);
    daylab->setObjectName(QStringLiteral("daylab"));
    daylab->setGeometry(17, 386, 36, 22);
    createWaitDisplay();
    createSaveAction();
    connectLink();
    captionupdate();
}

QComboBox* Tgraphform::createSeriesList(int list, const char* name) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setGeometry(120 + 128 * list, 4, 120, 24);
    combo->setMaxVisibleItems(GraphCode::Count);
    // Each list wears the colour of its bars: the lists are the chart's legend.
    for (const auto role : {QPalette::Button, QPalette::Base, QPalette::Window})
        setColour(combo, role, seriesListColour(list));
    connect(combo, &QComboBox::activated, this,
            [this, list](int code) { Comb1Change(list, code); });
    return combo;
}

void Tgraphform::createWaitDisplay() {
    Waitlab = new QLabel(this);
    Waitlab->setObjectName(QStringLiteral("Waitlab"));
    Waitlab->setGeometry(208, 80, 289, 169);
    Waitlab->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Waitlab->setWordWrap(true);
    setColour(Waitlab, QPalette::WindowText, Qt::red);
    Waitlab->hide();

    Faillab = new QLabel(this);
    Faillab->setObjectName(QStringLiteral("Faillab"));
    Faillab->setGeometry(Waitlab->geometry());
    Faillab->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Faillab->setWordWrap(true);
    setColour(Faillab, QPalette::WindowText, Qt::red);
    Faillab->hide();

    waitprogress = new QProgressBar(this);
    waitprogress->setObjectName(QStringLiteral("waitprogress"));
    waitprogress->setGeometry(232, 224, 241, 16);
    waitprogress->setRange(0, readCount(ReadKind::History));
    waitprogress->setValue(0);
    waitprogress->setTextVisible(false);
    setColour(waitprogress, QPalette::Highlight, Qt::blue);
    waitprogress->hide();
}

// Offered once a history is drawn: in the context menu, and as the usual save shortcut.
void Tgraphform::createSaveAction() {
    saveImageAction = new QAction(this);
    saveImageAction->setObjectName(QStringLiteral("saveImageAction"));
    saveImageAction->setShortcut(QKeySequence::Save);
    saveImageAction->setEnabled(false);
    connect(saveImageAction, &QAction::triggered, this, &Tgraphform::saveImage);
    addAction(saveImageAction);
}

void Tgraphform::connectLink() {
    connect(&link_, &ControllerLink::readStepped, this, [this](int readType) {
        if (readType == ReadKind::History)
            waitprogress->setValue(waitprogress->value() + 1);
    });
    connect(&link_, &ControllerLink::readEnded, this, [this](int readType, ReadOutcome outcome) {
        if (readType == ReadKind::History)
            drawgraph(outcome);
    });
}

bool Tgraphform::showOrHide() {
    if (isVisible()) {
        hide();
        return false;
    }
    show();
    captionupdate();
    comboload();
    raise();
    activateWindow();
    return true;
}

void Tgraphform::captionupdate() {
    const int lang = language();
    const bool chinese = lang == ChineseIndex;
    const QString face = fonts_.name(lang);
    setFont(QFont(face, fonts_.size(lang)));
    daylab->setFont(QFont(QStringLiteral("MS Sans Serif"), chinese ? 11 : 9));
    Waitlab->setFont(QFont(face, chinese ? 16 : 18));
    Faillab->setFont(Waitlab->font());
    Drawbutton->setFont(QFont(face, chinese ? 12 : 10));
    Drawbutton->resize(Drawbutton->width(), fonts_.size(lang) > 9 ? 28 : 24);

    setWindowTitle(text(GraphText::Caption, lang));
    setToolTip(text(GraphText::Hint, lang));
    daylab->setText(text(GraphText::DayLabel, lang));
    Waitlab->setText(text(GraphText::Wait, lang));
    if (failure_ != nullptr)
        Faillab->setText(text(*failure_, lang));
    Drawbutton->setText(text(GraphText::DrawCaption, lang));
    Drawbutton->setToolTip(text(GraphText::DrawHint, lang));
    const auto lists = seriesLists();
    for (size_t i = 0; i < lists.size(); ++i)
        lists[i]->setToolTip(text(GraphText::ListHints[i], lang));
    saveImageAction->setText(text(GraphText::SaveImage, lang));
}

void Tgraphform::comboload() {
    const int lang = language();
    const QFont listFont(fonts_.name(lang), seriesListFontSize(lang, fonts_.size(lang)));
    QStringList names;
    for (const auto& row : GraphText::SeriesNames)
        names << text(row, lang);
    const auto lists = seriesLists();
    for (size_t i = 0; i < lists.size(); ++i) {
        lists[i]->setFont(listFont);
        lists[i]->clear();
        lists[i]->addItems(names);
        lists[i]->setCurrentIndex(graph_.GraphSeries[i]);
    }
    Drawbutton->setFocus();
}

void Tgraphform::FormActivate() {
    captionupdate();
    comboload();
    getgraph();
}

// A click during a read is ignored: the chart on show stays.
void Tgraphform::FormClick() {
    if (link_.runningRead() != 0)
        return;
    graph_.HistoryValid = false;
    getgraph();
}

// A new choice waits for the Draw Graph button.
void Tgraphform::Comb1Change(int list, int code) {
    graph_.GraphSeries[static_cast<size_t>(list)] = code;
    Drawbutton->setFocus();
}

// While its own read runs the window keeps waiting; another read holds the history back.
void Tgraphform::getgraph() {
    if (graph_.HistoryValid) {
        showChart();
        return;
    }
    const int running = link_.runningRead();
    if (running == ReadKind::History)
        return;
    if (running != 0) {
        showFailure(ReadFailureText::LinkBusy);
        return;
    }
    startRead();
}

void Tgraphform::startRead() {
    showWaiting();
    link_.status.setText(StatusPanels::Link, text(GraphText::Start, language()));
    if (const ReadStart start = link_.startRead(ReadKind::History, Requester::Window);
        start != ReadStart::Started)
        showFailure(startFailureText(start));
}

// A failed read leaves the history marked absent, so the next request reads again.
void Tgraphform::drawgraph(ReadOutcome outcome) {
    if (outcome == ReadOutcome::Completed)
        graph_.HistoryValid = true;
    if (graph_.HistoryValid)
        showChart();
    else
        showFailure(readFailureText(outcome));
}

void Tgraphform::showWaiting() {
    saveImageAction->setEnabled(false);
    Faillab->hide();
    Waitlab->show();
    waitprogress->setValue(0);
    waitprogress->show();
    update();
}

void Tgraphform::showFailure(const TextRow& failure) {
    failure_ = &failure;
    waitprogress->hide();
    Waitlab->hide();
    Faillab->setText(text(failure, language()));
    Faillab->show();
}

void Tgraphform::showChart() {
    waitprogress->hide();
    Waitlab->hide();
    Faillab->hide();
    saveImageAction->setEnabled(true);
    update();
}

void Tgraphform::paintEvent(QPaintEvent*) {
    if (!graph_.HistoryValid)
        return;
    const HistoryChart chart = layoutHistoryChart(link_.image, graph_.GraphSeries, graph_.ahScale);
    graph_.ahScale = chart.ahScale;
    QPainter painter(this);
    paintHistoryChart(painter, chart);
}

void Tgraphform::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void Tgraphform::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit FormClose();
}

void Tgraphform::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        FormClick();
}

void Tgraphform::contextMenuEvent(QContextMenuEvent* event) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(saveImageAction);
    menu->popup(event->globalPos());
}

// The picture is taken when asked, so it shows what the user saw then.
void Tgraphform::saveImage() {
    const QImage picture = grab().toImage();
    dialogs_.askSaveFileName(this, windowTitle(), QStringLiteral("history.png"),
                             QStringLiteral("PNG (*.png)"),
                             [this, picture](const QString& path) { writeImage(picture, path); });
}

void Tgraphform::writeImage(const QImage& image, const QString& path) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit())
        return;
    dialogs_.showSaveError(this, windowTitle(),
                           QStringLiteral("%1\n%2\n%3")
                               .arg(text(GraphText::SaveFailed, language()),
                                    QDir::toNativeSeparators(path), file.errorString()));
}

int Tgraphform::language() const {
    return link_.state.LanguageIndex;
}
