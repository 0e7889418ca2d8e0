#include "shell/ui/optionsform.h"

#include "link/controllerlink.h"
#include "shell/configurationio.h"
#include "shell/ui/mainform.h"
#include "shell/ui/savepanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTreeWidget>

namespace {

constexpr int DialogWidth = 470, DialogHeight = 250, TreeWidth = 170;
constexpr int GeneralPage = 0, SingleCommandPage = 1;
// The page a node shows.
constexpr int PageRole = Qt::UserRole;

QPushButton* addButton(QWidget* parent, const QString& caption, int left) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(left, DialogHeight - 40, 84, 30);
    return button;
}

} // namespace

TOptionsForm::TOptionsForm(ConfigStore& store, Tmainform& mainform, ControllerLink& link)
    : QDialog(&mainform), store_(store), mainform_(mainform), link_(link) {
    setWindowTitle(QStringLiteral("Options"));
    setFixedSize(DialogWidth, DialogHeight);
    JvTreeView1 = new QTreeWidget(this);
    JvTreeView1->setGeometry(8, 8, TreeWidth, DialogHeight - 56);
    JvTreeView1->setHeaderHidden(true);
    addNode(addNode(nullptr, QStringLiteral("General"), GeneralPage),
            QStringLiteral("Single Command"), SingleCommandPage);
    JvTreeView1->expandAll();
    OptionsPageControl = new QStackedWidget(this);
    OptionsPageControl->setGeometry(TreeWidth + 16, 8, DialogWidth - TreeWidth - 24,
                                    DialogHeight - 56);
    OptionsPageControl->addWidget(createGeneralPage());
    OptionsPageControl->addWidget(createSingleCommandPage());
    btnOK = addButton(this, QStringLiteral("&Ok"), DialogWidth - 276);
    btnOK->setDefault(true);
    btnCancel = addButton(this, QStringLiteral("&Cancel"), DialogWidth - 184);
    btnHelp = addButton(this, QStringLiteral("&Help"), DialogWidth - 92);
    connect(JvTreeView1, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* node) { JvTreeView1Change(node); });
    connect(btnOK, &QPushButton::clicked, this, &TOptionsForm::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this, &TOptionsForm::helpWanted);
    // A cancelled change is forgotten at once, so the end of the run does not store it.
    connect(this, &QDialog::rejected, this, &TOptionsForm::FormActivate);
    LoadOptions();
}

QWidget* TOptionsForm::createGeneralPage() {
    auto* page = new QWidget;
    verifyWritesCheck = new QCheckBox(QStringLiteral("Verify writes"), page);
    verifyWritesCheck->setToolTip(
        QStringLiteral("Read back what was written to the controller and compare it"));
    verifyWritesCheck->setGeometry(8, 8, 250, 24);
    fastRepliesCheck = new QCheckBox(QStringLiteral("Fast replies"), page);
    fastRepliesCheck->setToolTip(QStringLiteral("Handle each reply as soon as it has arrived"));
    fastRepliesCheck->setGeometry(8, 36, 250, 24);
    return page;
}

QWidget* TOptionsForm::createSingleCommandPage() {
    auto* page = new QWidget;
    grpSingleCommandNumberKind =
        new QGroupBox(QStringLiteral("Single Command Number Format:"), page);
    grpSingleCommandNumberKind->setGeometry(8, 8, 250, 64);
    auto* columns = new QGridLayout(grpSingleCommandNumberKind);
    numberKindButtons = new QButtonGroup(this);
    const QStringList items{QStringLiteral("Decimal"), QStringLiteral("Hex")};
    for (int kind = 0; kind < items.size(); ++kind) {
        auto* item = new QRadioButton(items.at(kind), grpSingleCommandNumberKind);
        numberKindButtons->addButton(item, kind);
        columns->addWidget(item, 0, kind);
    }
    numberKindButtons->button(0)->setChecked(true);
    return page;
}

QTreeWidgetItem* TOptionsForm::addNode(QTreeWidgetItem* parent, const QString& caption, int page) {
    auto* node = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(JvTreeView1);
    node->setText(0, caption);
    node->setData(0, PageRole, page);
    return node;
}

void TOptionsForm::LoadOptions() {
    options_ = readWindowOptions(store_);
    link_.state.fastReplies = options_.FastReplies;
    placeMainWindow();
    FormActivate();
    applyOptions();
}

// The stored position, unless no screen shows it any more.
void TOptionsForm::placeMainWindow() {
    const QPoint stored(options_.MainFormLeft, options_.MainFormTop);
    if (QGuiApplication::screenAt(stored + QPoint(20, 20)) == nullptr) {
        options_.MainFormLeft = WindowOptions{}.MainFormLeft;
        options_.MainFormTop = WindowOptions{}.MainFormTop;
    }
    mainform_.move(options_.MainFormLeft, options_.MainFormTop);
}

void TOptionsForm::SaveOptions() {
    options_.SingleCommandNumberKind = numberKindButtons->checkedId();
    options_.VerifyWrites = verifyWritesCheck->isChecked();
    // The port panel switches the option too: the link holds what was chosen last.
    options_.FastReplies = link_.state.fastReplies;
    options_.MainFormLeft = mainform_.x();
    options_.MainFormTop = mainform_.y();
    writeWindowOptions(store_, options_);
}

void TOptionsForm::open() {
    FormActivate();
    QDialog::open();
}

// Centred on the screen of the main window.
void TOptionsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = mainform_.screen())
        move(screen->availableGeometry().center() - rect().center());
}

// The controls show what the dialog holds.
void TOptionsForm::FormActivate() {
    numberKindButtons->button(options_.SingleCommandNumberKind)->setChecked(true);
    verifyWritesCheck->setChecked(options_.VerifyWrites);
    fastRepliesCheck->setChecked(link_.state.fastReplies);
}

void TOptionsForm::JvTreeView1Change(QTreeWidgetItem* node) {
    if (node == nullptr)
        return;
    OptionsPageControl->setCurrentIndex(node->data(0, PageRole).toInt());
    setWindowTitle(QStringLiteral("Options - %1").arg(node->text(0)));
}

void TOptionsForm::btnOKClick() {
    link_.state.fastReplies = fastRepliesCheck->isChecked();
    SaveOptions();
    applyOptions();
    accept();
}

void TOptionsForm::applyOptions() {
    mainform_.Savepanel->SaveButtonAvailableExecute();
    mainform_.SendSingleNumberKind(options_.SingleCommandNumberKind);
    link_.setVerifyWrites(options_.VerifyWrites);
}
