#pragma once

#include "cliarguments.h"

#include "link/controllerlink.h"

// "send ...", "clear-history", "test-history" and "set-site NEW": one command of the single
// command tool; prints its reply as the tool shows it. Exit codes: 0 a reply, 1 an error reply,
// no reply or a port that cannot be used, 2 bad arguments.
int runSend(ControllerLink& link, const CliArguments& args);

// The reply line: "12", "12 (0x0C)", "Error 5", "Site 12", or empty for a write.
QString sendReplyLine(const SingleReply& reply, NumberKind kind);
