#include "link/portfailuretexts.h"

namespace {

const TextRow* faultText(PortFault fault) {
    switch (fault) {
    case PortFault::Missing:
        return &PortFailureText::Missing;
    case PortFault::InUse:
        return &PortFailureText::InUse;
    case PortFault::NoPermission:
        return &PortFailureText::NoPermission;
    case PortFault::CannotOpen:
        return &PortFailureText::CannotOpen;
    case PortFault::StoppedAnswering:
        return &PortFailureText::StoppedAnswering;
    case PortFault::BadAddress:
        return &PortFailureText::BadAddress;
    case PortFault::Refused:
        return &PortFailureText::Refused;
    case PortFault::Unreachable:
        return &PortFailureText::Unreachable;
    case PortFault::Dropped:
        return &PortFailureText::Dropped;
    case PortFault::None:
        break;
    }
    return nullptr;
}

} // namespace

QString portFailureText(const PortFailure& failure, int languageIndex) {
    const TextRow* row = faultText(failure.fault);
    if (row == nullptr)
        return {};
    const QString reason = text(*row, languageIndex).arg(failure.device);
    if (failure.detail.isEmpty())
        return reason;
    return QStringLiteral("%1 (%2)").arg(reason, failure.detail);
}
