#include "link/readfailuretexts.h"

const TextRow& readFailureText(ReadFailure reason) {
    switch (reason) {
    case ReadFailure::Timeout:
        return ReadFailureText::NoReply;
    case ReadFailure::Mismatch:
        return ReadFailureText::RepliesDisagree;
    case ReadFailure::NoData:
        return ReadFailureText::NoData;
    case ReadFailure::None:
        break;
    }
    return ReadFailureText::Failed;
}

const TextRow& startFailureText(const LinkState& link) {
    if (link.StartupPending || link.Dialling)
        return ReadFailureText::NotReady;
    return ReadFailureText::PortUnusable;
}
