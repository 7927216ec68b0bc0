#pragma once
// Whether standard output is a terminal, where a preset's or a picture's bytes would only
// garble the screen; and whether the standard error is one, where progress can be shown.

namespace zarq::tool {

bool standardOutputIsTerminal();
bool standardErrorIsTerminal();

}  // namespace zarq::tool
