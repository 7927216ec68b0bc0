#pragma once

#include "common/text.h"

namespace zarq {

// The explanation a caption opens when clicked; empty for a caption without one. The page
// titles' explanations end with the editor's commands.
Text helpTextFor(TextView caption);

}  // namespace zarq
