#include "settings/ui/setform.h"

#include "settings/settingscatalogue.h"
#include "settings/settingsformat.h"
#include "settings/settingsidentity.h"
#include "settings/ui/setformtexts.h"
#include "settings/ui/stringcolumn.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolButton>

namespace {

constexpr int SettingsWidth = 394;
constexpr std::array<int, SettingsPageCount> PageHeights{297, 372, 273, 347, 297};
constexpr std::array<int, SettingsPageCount> PageRows{11, 14, 10, 14, 11};
constexpr int PanelHeight = 34;
constexpr int NameWidth = 286, ValueWidth = 50, UnitWidth = 48;

constexpr int CalibrationWidth = 344, CalibrationHeight = 290;
constexpr int CalibrationPanelHeight = 54, CalibrationRows = 10;
constexpr int CalibrationNameWidth = 242, CalibrationValueWidth = 46;

constexpr int ButtonTop = 3, ButtonWidth = 46, ButtonHeight = 29;
constexpr std::array<int, SettingsPageCount> PageButtonLefts{2, 50, 98, 146, 194};
constexpr int CalbuttonLeft = 242, SendbuttonLeft = 290, CalibrationSendbuttonLeft = 289;
constexpr int VxbuttonLeft = 338;
constexpr int ColumnsLeft = 4;

constexpr int ChineseLanguage = 2;

std::size_t pageIndex(int page) {
    return static_cast<std::size_t>(page - 1);
}

QToolButton* makeButton(QWidget* parent, const QString& name, int left) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setGeometry(left, ButtonTop, ButtonWidth, ButtonHeight);
    button->setAutoRaise(false);
    return button;
}

} // namespace

Tsetform::Tsetform(ControllerLink& link, ControllerIdentity& identity, const LanguageFonts& fonts,
                   Confirmer& confirmer, QWidget* parent)
    : QWidget(parent, Qt::Window), link_(link), identity_(identity), fonts_(fonts),
      confirmer_(confirmer) {
    FormCreate();
}

Tsetform::~Tsetform() {
    // The columns outlive this part of the object: an editor that commits as they go, or a
    // selection that changes, must not reach it.
    for (StringColumn* column : {sgrid1, sgrid2, sgrid3}) {
        column->setEditHandlers({}, {});
        disconnect(column, nullptr, this, nullptr);
    }
}

void Tsetform::FormCreate() {
    setObjectName(QStringLiteral("Tsetform"));
    move(234, 96);
    createButtons();
    createColumns();
    createWholeListPanel();
    connect(&link_, &ControllerLink::readEnded, this, &Tsetform::readDone);
    connect(&link_, &ControllerLink::writeEnded, this, &Tsetform::writeEnded);
    connect(&link_, &ControllerLink::writeChecked, this, &Tsetform::writeChecked);
    applyLanguage();
    showPage(1);
}

void Tsetform::createButtons() {
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* pages = new QButtonGroup(this);
    for (int page = 1; page <= SettingsPageCount; ++page) {
        QToolButton* button = makeButton(Panel1, QStringLiteral("conbutton%1").arg(page),
                                         PageButtonLefts[pageIndex(page)]);
        button->setText(QString::fromLatin1(settingsPage(page).button));
        button->setCheckable(true);
        pages->addButton(button);
        connect(button, &QToolButton::clicked, this, [this, page] { conbutton1Click(page); });
        conbuttons[pageIndex(page)] = button;
    }
    Calbutton = makeButton(Panel1, QStringLiteral("Calbutton"), CalbuttonLeft);
    Calbutton->setText(QStringLiteral("CAL"));
    Calbutton->setCheckable(true);
    pages->addButton(Calbutton);
    connect(Calbutton, &QToolButton::clicked, this, &Tsetform::CalbuttonClick);

    sendbutton = makeButton(Panel1, QStringLiteral("sendbutton"), SendbuttonLeft);
    sendbutton->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    sendbutton->setEnabled(false);
    sendbutton->setCheckable(true); // held down while the change is sent
    connect(sendbutton, &QToolButton::clicked, this, &Tsetform::sendbuttonClick);
    vxbutton = makeButton(Panel1, QStringLiteral("vxbutton"), VxbuttonLeft);
    vxbutton->setIcon(style()->standardIcon(QStyle::SP_MediaSeekForward));
    vxbutton->setEnabled(false);
    vxbutton->setCheckable(true); // held down while the whole list is sent
    connect(vxbutton, &QToolButton::clicked, this, &Tsetform::vxbuttonClick);
}

void Tsetform::createColumns() {
    sgrid1 = new StringColumn(this);
    sgrid1->setObjectName(QStringLiteral("sgrid1"));
    connect(sgrid1, &QTableWidget::cellClicked, this, &Tsetform::sgrid1Click);
    sgrid2 = new StringColumn(this);
    sgrid2->setObjectName(QStringLiteral("sgrid2"));
    sgrid2->setColour(Qt::white);
    sgrid2->setEditHandlers([this](int row) { return sgrid2GetEditText(row); },
                            [this](int row, const QString& text) { sgrid2SetEditText(row, text); });
    connect(sgrid2, &StringColumn::cellSelected, this, &Tsetform::sgrid2SelectCell);
    connect(sgrid2, &StringColumn::editorClosed, this, &Tsetform::sgrid2EditorClosed);
    sgrid3 = new StringColumn(this);
    sgrid3->setObjectName(QStringLiteral("sgrid3"));
    sgrid3->setEditHandlers({},
                            [this](int row, const QString& text) { sgrid3SetEditText(row, text); });
    connect(sgrid3, &StringColumn::cellSelected, this, &Tsetform::sgrid2SelectCell);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
}

void Tsetform::createWholeListPanel() {
    vxprogpanel = new QFrame(this);
    vxprogpanel->setObjectName(QStringLiteral("vxprogpanel"));
    vxprogpanel->setFrameShape(QFrame::Panel);
    vxprogpanel->setFrameShadow(QFrame::Raised);
    vxprogpanel->setAutoFillBackground(true);
    vxprogpanel->setGeometry(198, 38, 185, 137);
    Label3 = new QLabel(vxprogpanel);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setGeometry(8, 8, 169, 66);
    progbutton = new QPushButton(vxprogpanel);
    progbutton->setObjectName(QStringLiteral("progbutton"));
    progbutton->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    progbutton->setGeometry(16, 80, 89, 49);
    connect(progbutton, &QPushButton::clicked, this, &Tsetform::progbuttonClick);
    Cancelbutton = new QPushButton(vxprogpanel);
    Cancelbutton->setObjectName(QStringLiteral("Cancelbutton"));
    Cancelbutton->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    Cancelbutton->setGeometry(120, 80, 51, 49);
    connect(Cancelbutton, &QPushButton::clicked, this, &Tsetform::CancelbuttonClick);
    vxprogpanel->hide();
}

void Tsetform::toggleFromToolButton() {
    if (isVisible()) {
        hide();
    } else {
        show();
        raise();
        activateWindow();
    }
    vxprogpanel->hide();
}

void Tsetform::settingsFileLoaded() {
    vxbutton->setEnabled(true);
    if (!isVisible())
        return;
    FirstDisplay = false;
    if (SettingsMode)
        drawPage(CurrentPage);
    else
        caldisplay();
}

void Tsetform::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void Tsetform::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit FormClose();
}

bool Tsetform::event(QEvent* event) {
    // Hints go to the main window's status bar.
    if (event->type() == QEvent::StatusTip) {
        link_.status.setText(StatusPanels::Hint, static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QWidget::event(event);
}

void Tsetform::FormActivate() {
    applyLanguage();
    if (SettingsMode) {
        if (pageValid(CurrentPage))
            drawPage(CurrentPage);
        else
            startRead(settingsPage(CurrentPage).readType);
    } else {
        if (link_.valid.CalibrationValid)
            caldisplay();
        else
            startRead(ReadKind::Calibration);
    }
}

void Tsetform::applyLanguage() {
    const int language = link_.state.LanguageIndex;
    const QFont windowFont(fonts_.name(language), fonts_.size(language));
    setFont(windowFont);
    sgrid1->setFont(windowFont);
    sgrid2->setFont(QFont(QStringLiteral("Arial"), 9));
    sgrid3->setFont(QFont(fonts_.name(language), language == ChineseLanguage ? 12 : 8));
    const QFont buttonFont(fonts_.name(0), 9);
    for (QToolButton* button : Panel1->findChildren<QToolButton*>())
        button->setFont(buttonFont);
    QFont questionFont = windowFont;
    questionFont.setPointSize(10);
    Label3->setFont(questionFont);
    Label3->setText(text(SetformText::WholeListQuestion, language));

    setHint(this, SetformText::WindowHint, language);
    for (int page = 1; page <= SettingsPageCount; ++page)
        setHint(conbuttons[pageIndex(page)], settingsPage(page).hint, language);
    setHint(Calbutton, SetformText::CalbuttonHint, language);
    setHint(sendbutton, SetformText::SendbuttonHint, language);
    setHint(sgrid1, SetformText::NamesHint, language);
    setHint(vxbutton, SetformText::VxbuttonHint, language);
    setHint(vxprogpanel, SetformText::VxbuttonHint, language);
    setHint(progbutton, SetformText::ProgbuttonHint, language);
    setHint(Cancelbutton, SetformText::CancelbuttonHint, language);
}

void Tsetform::setHint(QWidget* widget, const TextRow& hint, int language) {
    widget->setToolTip(text(hint, language));
    widget->setStatusTip(text(hint, language));
}

bool& Tsetform::pageValid(int page) {
    return link_.valid.SettingsPageValid.at(pageIndex(page));
}

void Tsetform::conbutton1Click(int page) {
    closeValueEditors();
    if (pageValid(page)) {
        showPage(page);
        return;
    }
    FirstDisplay = true;
    showPage(page);
    startRead(settingsPage(page).readType);
}

void Tsetform::CalbuttonClick() {
    closeValueEditors();
    if (link_.valid.CalibrationValid) {
        showCalibration();
        return;
    }
    FirstDisplay = true;
    showCalibration();
    startRead(ReadKind::Calibration);
}

void Tsetform::sgrid1Click() {
    sgrid1->setColour(Qt::red);
    sgrid1->repaint();
    startRead(SettingsMode ? settingsPage(CurrentPage).readType : ReadKind::Calibration);
}

void Tsetform::closeValueEditors() {
    sgrid2->closeEditorCommitting();
    sgrid3->closeEditorCommitting();
}

void Tsetform::startRead(int readType) {
    link_.startRead(readType, readType == ReadKind::Calibration ? Requester::CalibrationButton
                                                                : Requester::Window);
}

void Tsetform::readDone(int readType, ReadOutcome outcome) {
    const bool failed = outcome != ReadOutcome::Completed;
    if (readType == ReadKind::Calibration) {
        if (!failed)
            link_.valid.CalibrationValid = true;
        showCalibration();
        return;
    }
    if (readType < ReadKind::SettingsPage1 || readType > ReadKind::SettingsPage5)
        return;
    const int page = readType - ReadKind::SettingsPage1 + 1;
    if (!failed)
        pageValid(page) = true;
    showPage(page);
    if (!failed)
        vxbutton->setEnabled(true);
}

void Tsetform::showPage(int page) {
    SettingsMode = true;
    CurrentPage = page;
    conbuttons[pageIndex(page)]->setChecked(true);
    drawPage(page);
}

void Tsetform::drawPage(int page) {
    const int language = link_.state.LanguageIndex;
    layoutPage(page);
    setWindowTitle(text(SetformText::Caption, language));
    sgrid1->setColour(FirstDisplay ? QColor(Qt::red) : palette().color(QPalette::Button));
    deriveSettingsIdentity(link_.image, identity_);
    const SettingsPage& p = settingsPage(page);
    for (int setting = p.first; setting <= p.last; ++setting) {
        const int row = setting - p.first;
        sgrid1->setCellText(row, rowName(setting, link_.image, language));
        sgrid3->setCellText(row, rowUnit(setting, link_.image, language));
        sgrid2->setCellText(row, FirstDisplay
                                     ? QString()
                                     : formatSetting(setting, link_.image, identity_, language));
    }
    sgrid2->setEditableRows(FirstDisplay ? 0 : p.last - p.first + 1);
    FirstDisplay = false;
}

void Tsetform::layoutPage(int page) {
    const int height = PageHeights[pageIndex(page)];
    setFixedSize(SettingsWidth, height);
    Panel1->setGeometry(0, 0, SettingsWidth, PanelHeight);
    sendbutton->move(SendbuttonLeft, ButtonTop);
    vxbutton->show();
    Label1->hide();
    Label1->clear();
    Label2->hide();
    Label2->clear();
    placeColumns(NameWidth, ValueWidth, UnitWidth, PanelHeight, PageRows[pageIndex(page)]);
    sgrid3->setEditableRows(0);
    sgrid3->setColour(palette().color(QPalette::Button));
}

void Tsetform::placeColumns(int nameWidth, int valueWidth, int unitWidth, int top, int rows) {
    const int height = this->height() - top;
    sgrid1->setGeometry(ColumnsLeft, top, nameWidth, height);
    sgrid2->setGeometry(ColumnsLeft + nameWidth, top, valueWidth, height);
    sgrid3->setGeometry(ColumnsLeft + nameWidth + valueWidth, top, unitWidth, height);
    for (StringColumn* column : {sgrid1, sgrid2, sgrid3}) {
        column->setRows(rows);
        for (int row = 0; row < rows; ++row)
            column->setCellText(row, QString());
    }
}

void Tsetform::showCalibration() {
    SettingsMode = false;
    Calbutton->setChecked(true);
    caldisplay();
}

void Tsetform::caldisplay() {
    const int language = link_.state.LanguageIndex;
    layoutCalibration();
    setWindowTitle(text(SetformText::CalibrationCaption, language));
    sgrid1->setColour(FirstDisplay ? QColor(Qt::red) : palette().color(QPalette::Button));
    for (int channel = 0; channel < CalibrationChannelCount; ++channel) {
        sgrid1->setCellText(
            channel, text(CalibrationChannelNames.at(static_cast<std::size_t>(channel)), language));
        if (FirstDisplay)
            continue;
        sgrid2->setCellText(channel, calibrationText(calibrationGain(link_.image, channel)));
        sgrid3->setCellText(channel, calibrationText(calibrationOffset(link_.image, channel)));
    }
    const int editable = FirstDisplay ? 0 : CalibrationChannelCount;
    sgrid2->setEditableRows(editable);
    sgrid3->setEditableRows(editable);
    FirstDisplay = false;
}

void Tsetform::layoutCalibration() {
    setFixedSize(CalibrationWidth, CalibrationHeight);
    Panel1->setGeometry(0, 0, CalibrationWidth, CalibrationPanelHeight);
    sendbutton->move(CalibrationSendbuttonLeft, ButtonTop);
    // The whole-list button is for settings; the calibration page is too narrow for it.
    vxbutton->hide();
    vxprogpanel->hide();
    placeColumns(CalibrationNameWidth, CalibrationValueWidth, CalibrationValueWidth,
                 CalibrationPanelHeight, CalibrationRows);
    sgrid3->setColour(Qt::white);
    const int gainLeft = ColumnsLeft + CalibrationNameWidth;
    Label2->setGeometry(gainLeft, 35, CalibrationValueWidth, 18);
    Label2->setText(QStringLiteral("G"));
    Label2->show();
    Label1->setGeometry(gainLeft + CalibrationValueWidth, 35, CalibrationValueWidth, 18);
    Label1->setText(QStringLiteral("O"));
    Label1->show();
}

void Tsetform::vxbuttonClick() {
    vxprogpanel->setVisible(!vxprogpanel->isVisible());
    vxbutton->setChecked(link_.runningWrite() == PacedWrite::WholeList);
}

void Tsetform::CancelbuttonClick() {
    vxprogpanel->hide();
    vxbutton->setChecked(link_.runningWrite() == PacedWrite::WholeList);
}
