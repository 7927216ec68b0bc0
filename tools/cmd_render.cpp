#include "commands.h"

int zarq::tool::runRender(const Args&) { return 1; }
