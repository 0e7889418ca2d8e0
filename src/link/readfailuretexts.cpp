#include "link/readfailuretexts.h"

const TextRow& readFailureText(ReadOutcome outcome) {
    switch (outcome) {
    case ReadOutcome::Timeout:
        return ReadFailureText::NoReply;
    case ReadOutcome::Mismatch:
        return ReadFailureText::RepliesDisagree;
    case ReadOutcome::NoData:
        return ReadFailureText::NoData;
    case ReadOutcome::PortLost:
        return ReadFailureText::PortLost;
    case ReadOutcome::CarrierLost:
        return ReadFailureText::CarrierLost;
    case ReadOutcome::Completed:
        break;
    }
    return ReadFailureText::Failed;
}

const TextRow& startFailureText(ReadStart start) {
    switch (start) {
    case ReadStart::StartupPending:
    case ReadStart::Dialling:
        return ReadFailureText::NotReady;
    case ReadStart::Busy:
        return ReadFailureText::LinkBusy;
    case ReadStart::PortUnusable:
    case ReadStart::NoSuchSequence:
    case ReadStart::Started:
        break;
    }
    return ReadFailureText::PortUnusable;
}
