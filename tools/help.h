#pragma once
// What zarq-preset says about itself: the general help, a command's own, and all of it at
// once, which the man page is made from. Everything comes from the commands' tables.

#include "commands.h"

namespace zarq::tool {

void printHelp();
void printCommandHelp(const Command& command);
// The general help, then every command's: what `zarq-preset --help-all` prints.
void printEveryHelp();

}  // namespace zarq::tool
