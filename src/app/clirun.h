#pragma once

#include <cstdio>

struct CliOptions;

// Runs one solvara-cli command: start-up, the estimate, the settings, then the listing.
// Returns the exit status: 0 success, 1 stopped with a message, 2 unusable input.
int runCli(const CliOptions &options, FILE *out, FILE *err);
