#pragma once

#include "data/currentreporttexts.h"
#include "data/identity.h"
#include "shell/graphstate.h"
#include "shell/shellconfiguration.h"
#include "shell/version.h"

#include <optional>

// The program-wide state the shell owns besides the link: the kept values that live nowhere
// else (fonts, file names, phone book, ...), the controller's identity and the texts the
// current-state view leaves for reports.
struct ShellState {
    ShellConfiguration configuration;
    ControllerIdentity identity;
    CurrentReportTexts currentTexts;
    GraphState graph;
    // Made late in the main window's creation; the caption shows the product alone until then.
    std::optional<T_Version> version;
};
