#pragma once

// Program-wide link flags, owned by the application and shared by reference.
struct LinkState {
    bool DirectMode = true; // the link is the direct port; false while a modem connection is used
    bool SiteMode = false;  // frames carry the site number
    int siteNumber = 240;   // the main window's site number spinner, 0..240
    bool DebugMode = false; // trace lines and debug tools
    bool StartupPending = true;
    bool ModemConnected = false;
    bool Dialling = false;
    int pathTimeDelay = 2; // modem reply re-arm, 2..20 ticks
    // A read's reply is handled as soon as its bytes are in, not on the next poll.
    bool fastReplies = false;
    int LanguageIndex = 0; // 0 English, 1 French, 2 Chinese, 3 German
};

// Flags of the periodic log's two chained reads.
struct LogReadFlags {
    bool LogPending = false;
    bool LogReady = false;
    bool secondPart = false; // the main window's log read continues with the status sequence
};
