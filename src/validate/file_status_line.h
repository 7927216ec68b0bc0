#pragma once
// Status lines that name a missing file must fit next to their field: the variable part of
// the name gives way, "ABCDEFG" becoming "ABCDE…", then "ABCD…", while the words and the
// file's ending stay whole.

#include "common/text.h"
#include "widgets/status_bubble.h"
#include "widgets/text_metrics.h"

namespace zarq {

// `format` holds one or two "%s": the first takes `name`, the part that is shortened, the
// second `tail`. The line is shortened until its tight width at 20 pixels plus 4 is at most
// `limit`, or `name` is down to "…".
Text missingFileLine(TextMetrics& metrics, TextView format, TextView name, TextView tail,
                     float limit);

}  // namespace zarq
