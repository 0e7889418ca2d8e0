#pragma once

#include "common/texts.h"
#include "link/readresults.h"

// What a window says in itself when a read did not bring it the controller's values, so that
// what it shows is never taken for a reading.
namespace ReadFailureText {
inline constexpr TextRow Failed{"Read failed.", "Échec de la lecture.", "读取失败。",
                                "Lesen fehlgeschlagen."};
inline constexpr TextRow NoReply{"Read failed: the controller did not reply.",
                                 "Échec de la lecture : le contrôleur ne répond pas.",
                                 "读取失败：控制器无应答。",
                                 "Lesen fehlgeschlagen: der Regler antwortet nicht."};
inline constexpr TextRow RepliesDisagree{
    "Read failed: the replies did not agree.",
    "Échec de la lecture : les réponses ne concordent pas.", "读取失败：应答不一致。",
    "Lesen fehlgeschlagen: die Antworten stimmen nicht überein."};
inline constexpr TextRow NoData{"Read failed: the replies carried no data.",
                                "Échec de la lecture : les réponses sont sans données.",
                                "读取失败：应答没有数据。",
                                "Lesen fehlgeschlagen: die Antworten enthalten keine Daten."};
inline constexpr TextRow PortUnusable{
    "Read failed: the port cannot be used.", "Échec de la lecture : le port est inutilisable.",
    "读取失败：串行口无法使用。", "Lesen fehlgeschlagen: der Port ist nicht nutzbar."};
inline constexpr TextRow PortLost{
    "Read failed: the port was lost during the read.",
    "Échec de la lecture : le port a été perdu pendant la lecture.",
    "读取失败：读取过程中串行口丢失。",
    "Lesen fehlgeschlagen: der Port ging während des Lesens verloren."};
inline constexpr TextRow CarrierLost{
    "Read failed: the modem connection was lost during the read.",
    "Échec de la lecture : la liaison modem a été perdue pendant la lecture.",
    "读取失败：读取过程中调制解调器连接中断。",
    "Lesen fehlgeschlagen: die Modemverbindung ging während des Lesens verloren."};
inline constexpr TextRow NotReady{"Read not started: the link is not ready yet.",
                                  "Lecture non lancée : la liaison n'est pas encore prête.",
                                  "读取未开始：通信链路尚未就绪。",
                                  "Lesen nicht gestartet: die Verbindung ist noch nicht bereit."};
inline constexpr TextRow LinkBusy{"Read not started: another read is running.",
                                  "Lecture non lancée : une autre lecture est en cours.",
                                  "读取未开始：另一读取正在进行。",
                                  "Lesen nicht gestartet: ein anderer Lesevorgang läuft."};
} // namespace ReadFailureText

// Why a read sequence ended in failure.
const TextRow& readFailureText(ReadOutcome outcome);
// Why a read the link was asked for did not start.
const TextRow& startFailureText(ReadStart start);
