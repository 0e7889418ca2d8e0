#pragma once

#include "common/texts.h"
#include "link/readresults.h"

#include <QWidget>
#include <array>

class ControllerLink;
struct GraphState;
struct LanguageFonts;
class SaveDialogs;
class QAction;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

// The history graph window: up to four series of the 30-day history as bars side by side,
// chosen in four colour-coded lists. It reads the history when it holds none that was read
// without failure; a click on its background reads it again. A read that fails or does not
// start says why in the window.
class Tgraphform : public QWidget {
    Q_OBJECT
public:
    Tgraphform(ControllerLink& link, const LanguageFonts& fonts, GraphState& graph,
               SaveDialogs& dialogs, QWidget* parent = nullptr);

    // The main window's history button: hides the window when it is shown; otherwise shows it
    // with fresh captions and lists and gives it the focus. True when it is now shown.
    bool showOrHide();

    // Texts and fonts of the current language.
    void captionupdate();
    // The series lists in the current language, each showing its choice.
    void comboload();

signals:
    // Closed with its close box: the main window raises its history button.
    void FormClose();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void FormCreate();
    QComboBox* createSeriesList(int list, const char* name);
    void createWaitDisplay();
    void createSaveAction();
    void connectLink();
    void FormActivate();
    void FormClick();
    void Comb1Change(int list, int code);
    void getgraph();
    void drawgraph(ReadOutcome outcome);
    void startRead();
    void showWaiting();
    void showFailure(const TextRow& failure);
    void showChart();
    void saveImage();
    void writeImage(const QImage& image, const QString& path);
    int language() const;
    std::array<QComboBox*, 4> seriesLists() const { return {Comb1, comb2, Comb3, Comb4}; }

    ControllerLink& link_;
    const LanguageFonts& fonts_;
    GraphState& graph_;
    SaveDialogs& dialogs_;

    QPushButton* Drawbutton = nullptr;
    QComboBox* Comb1 = nullptr;
    QComboBox* comb2 = nullptr;
    QComboBox* Comb3 = nullptr;
    QComboBox* Comb4 = nullptr;
    QLabel* daylab = nullptr;
    QLabel* Waitlab = nullptr;
    QProgressBar* waitprogress = nullptr;
    // In the wait label's place: why the history is not there.
    QLabel* Faillab = nullptr;
    const TextRow* failure_ = nullptr;
    QAction* saveImageAction = nullptr;
};
