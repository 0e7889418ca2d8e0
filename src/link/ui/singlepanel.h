#pragma once

#include "common/ui/dialogseams.h"
#include "common/ui/textbindings.h"
#include "link/controllerlink.h"

#include <QFrame>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

// The single command tool: sends one command chosen from its list and shows the reply, and
// switches the link between plain and site frames.
class Singlepanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int Width = 250;
    static constexpr int Height = 161;
    // List entries that do not send a command of the link.
    static constexpr int ProgramAlarmUnitEntry = 8;
    static constexpr int LogModeEntry = 9;
    static constexpr int SiteModeEntry = 7; // in plain mode

    Singlepanel(ControllerLink& link, Confirmer& confirmer, QWidget* parent = nullptr);

    // Fills the list in the current language, site entries in site mode, entry 0 chosen.
    void sendcomboload();
    // The panel has been shown: no reply yet, controls for the chosen entry.
    void shown();
    void sendcomboChange(int entry);
    void singsendClick();
    // 0 decimal, 1 hexadecimal: the address label and how both spin boxes take numbers.
    void SendSingleNumberKindExecute(int kind);
    NumberKind numberKind() const { return kind_; }
    void ApplyLanguage();

    QLabel* singlab;
    QLabel* Singlab1;
    QComboBox* sendcombo;
    QLabel* Singlab2;
    QSpinBox* spinSendAddress;
    QLabel* Singlab3;
    QSpinBox* spinSendData;
    QPushButton* singsend;
    QLabel* Reccap;
    QLabel* reclab;

signals:
    // "Program VXA" was chosen: the alarm unit's window is wanted.
    void programAlarmUnitRequested();
    // The list switched the link between plain and site frames.
    void siteModeChanged();

private:
    void createControls();
    void layoutPanel();
    void showAddressLabel();
    void send(int entry);
    void showReply(const SingleReply& reply);
    int language() const { return link_.state.LanguageIndex; }

    ControllerLink& link_;
    Confirmer& confirmer_;
    TextBindings texts_;
    NumberKind kind_ = NumberKind::Decimal;
};
