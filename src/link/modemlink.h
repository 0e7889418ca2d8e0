#pragma once

#include "common/statuspanels.h"
#include "common/texts.h"
#include "data/memoryimage.h"
#include "link/linkports.h"
#include "link/linkstate.h"
#include "platform/modemresultcodes.h"
#include "platform/porttrigger.h"
#include "platform/telephony.h"

#include <QObject>
#include <optional>

class TransactionEngine;

// Who asks for a dial.
enum class DialCaller { DialButton, Log };

// The modem's flags and countdowns; Dialling and ModemConnected are program-wide (LinkState).
struct ModemState {
    bool ModemIdle = true;
    bool HangupInProgress = false;
    bool HangupRequested = false;
    int HangupStep = 0; // 1 escape pending, 2 hang-up command pending, 3 closing
    bool LogDialRequested = false;
    int LogDialCountdown = 0; // seconds
    int ConnectCountdown = 0; // seconds
};

// What the port panel, the dial panel and the log panel set.
struct DialSettings {
    bool Tapicheck = false; // dial through the telephony device instead of AT commands
    bool Pulsecheck = false;
    QString ModemSetString = QStringLiteral("&K0&Q0&D0");
    QString dialNumber; // the dial panel's number
    QString logNumber;  // the number the periodic log dials
};

// Dialling the site's modem on the modem port, watching the carrier and hanging up: while a
// connection is up the link runs over the modem port. Dials either through a telephony device or
// with AT commands written to the modem itself.
class ModemLink : public QObject {
    Q_OBJECT
public:
    static constexpr int EscapeTicks = 30, HangupTicks = 30, ReleaseTicks = 50;
    static constexpr int CountdownSeconds = 60;

    ModemLink(LinkPorts& ports, LinkState& link, StatusPanels& status, DataValidFlags& valid,
              LogReadFlags& log, TransactionEngine& engine, QObject* parent = nullptr);

    // The telephony device used when Tapicheck is on; without one every dial uses AT commands
    // on the modem port.
    void useTelephony(TelephonyDevice* device);
    TelephonyDevice* telephony() const { return tapi1_; }

    DialSettings settings;
    const ModemState& state() const { return state_; }

    void dialup(DialCaller caller);
    void HangupClick();
    // The connection has ended: the link goes back to the direct port.
    void dialendset();
    // Opens the modem port and sends the set-up string; false when the port would not open.
    bool nontapimodemsetup();
    // Once a second from the main window's timer: a requested hang-up and the countdowns.
    void timerStep();
    // The modem port's timer triggers that are the modem's own: the hang-up steps and the
    // carrier watch. False for any other trigger.
    bool triggerFired(int handle);
    void reset();

signals:
    // The dial button shows the connected or the idle image.
    void connectionChanged(bool connected);
    // A dial ended without a connection; resultCode is the modem's ("BUSY"), or empty when the
    // modem port could not be opened.
    void dialFailed(const QString& resultCode);
    // A connection for the periodic log is up: the log's reads start.
    void logConnectionUp();

private:
    void dialWithAtCommands(const QString& number);
    void Comport2TriggerModemStatus(bool carrier);
    void hangupStep();
    void startHangupSteps();
    void watchCarrier();
    void startCarrierWatch();
    void stopCarrierWatch();
    void modemResult(ModemResult result);
    void connectionUp(const TextRow& status);
    void carrierLost();
    void failDial(const QString& resultCode);
    void tapiConnect();
    void tapiPortClose();
    void tapiFail(const QString& resultCode);
    void show(const TextRow& row);

    LinkPorts& ports_;
    LinkState& link_;
    StatusPanels& status_;
    DataValidFlags& valid_;
    LogReadFlags& log_;
    TransactionEngine& engine_;
    TelephonyDevice* tapi1_ = nullptr;
    ModemState state_;
    PortTrigger HangupTimer_;
    PortTrigger CarrierTrigger_;
    bool lastCarrier_ = false;
    bool carrierFromCodes_ = false; // for a port without modem lines
    std::optional<ModemResult> dialEnded_;
};
