#pragma once
// The commands of tessera-cli. Each returns the exit code or throws CliError.
#include "cli/cli_arguments.h"

namespace tessera::cli {

int ListMonitors();
int RunCompose(const ComposeRequest& request);
int RunSet(const SetRequest& request);
void ShowUsage(bool toError);
int ShowVersion();

}  // namespace tessera::cli
