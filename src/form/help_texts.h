#pragma once

#include "common/text.h"

namespace zarq {

// The explanation a caption opens when clicked; empty for a caption without one.
TextView helpTextFor(TextView caption);

}  // namespace zarq
