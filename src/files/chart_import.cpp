// Placeholder until chart import lands: the offer to fill the form does nothing yet.
#include "files/chart_import.h"

namespace zarq {

void autoFillFromChart(SettingsForm&) {}

}  // namespace zarq
