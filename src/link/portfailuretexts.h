#pragma once

#include "common/texts.h"
#include "platform/serialport.h"

// Why a port could not be used, in the user's language: "%1" is the device; the system's own
// detail, when there is one, follows in brackets.
namespace PortFailureText {
inline constexpr TextRow Missing{"%1 does not exist", "%1 n'existe pas", "%1 不存在",
                                 "%1 existiert nicht"};
inline constexpr TextRow InUse{"%1 is in use by another program",
                               "%1 est utilisé par un autre programme", "%1 正被其他程序使用",
                               "%1 wird von einem anderen Programm benutzt"};
inline constexpr TextRow NoPermission{
    "%1: permission denied; add your user to the dialout group (sudo usermod -aG dialout $USER) "
    "and log in again",
    "%1 : accès refusé ; ajoutez votre utilisateur au groupe dialout (sudo usermod -aG dialout "
    "$USER) et reconnectez-vous",
    "%1：没有权限；请把用户加入 dialout 组（sudo usermod -aG dialout $USER）后重新登录",
    "%1: Zugriff verweigert; Benutzer zur Gruppe dialout hinzufügen (sudo usermod -aG dialout "
    "$USER) und neu anmelden"};
inline constexpr TextRow CannotOpen{"%1 cannot be opened", "%1 ne peut pas être ouvert",
                                    "%1 无法打开", "%1 kann nicht geöffnet werden"};
inline constexpr TextRow StoppedAnswering{"%1: the device stopped answering",
                                          "%1 : le périphérique ne répond plus", "%1：设备停止响应",
                                          "%1: das Gerät antwortet nicht mehr"};
inline constexpr TextRow BadAddress{"%1 is not a network port address (tcp://HOST:PORT)",
                                    "%1 n'est pas une adresse de port réseau (tcp://HOTE:PORT)",
                                    "%1 不是网络端口地址（tcp://主机:端口）",
                                    "%1 ist keine Netzwerkport-Adresse (tcp://HOST:PORT)"};
inline constexpr TextRow Refused{"%1: the connection was refused", "%1 : connexion refusée",
                                 "%1：连接被拒绝", "%1: Verbindung abgelehnt"};
inline constexpr TextRow Unreachable{"%1 cannot be reached", "%1 est injoignable", "%1 无法连接",
                                     "%1 ist nicht erreichbar"};
inline constexpr TextRow Dropped{"%1: the connection was dropped", "%1 : connexion perdue",
                                 "%1：连接已断开", "%1: Verbindung abgebrochen"};
} // namespace PortFailureText

// The whole reason in one language; empty when nothing failed.
QString portFailureText(const PortFailure& failure, int languageIndex);
