#include "link/readresults.h"

#include "link/linktexts.h"

QString readStartText(ReadStart start, int languageIndex) {
    switch (start) {
    case ReadStart::Started:
        return {};
    case ReadStart::Busy:
        return text(LinkText::LinkBusy, languageIndex);
    case ReadStart::StartupPending:
        return text(LinkText::StartingUp, languageIndex);
    case ReadStart::Dialling:
        return text(LinkText::DialInProgress, languageIndex);
    case ReadStart::PortUnusable:
        return text(LinkText::CommFail, languageIndex);
    case ReadStart::NoSuchSequence:
        return text(LinkText::NoSuchRead, languageIndex);
    }
    return {};
}
