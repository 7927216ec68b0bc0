#pragma once
// Whether standard output is a terminal, where a preset's or a picture's bytes would only
// garble the screen.

namespace zarq::tool {

bool standardOutputIsTerminal();

}  // namespace zarq::tool
