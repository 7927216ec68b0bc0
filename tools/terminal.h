#pragma once
// Whether standard output is a terminal, where a preset's or a picture's bytes would only
// garble the screen; and whether the standard error is one, where progress can be shown.

namespace zarq::tool {

bool standardOutputIsTerminal();
bool standardErrorIsTerminal();
// The width of the terminal the standard error is, in columns; 0 when unknown.
int standardErrorColumns();

}  // namespace zarq::tool
