#pragma once

#include "app/clicommand.h"

// "materials": the menu index, a menu's buttons and the material lists as the catalog window
// holds them.
std::unique_ptr<CliCommand> makeMaterialsCommand();
