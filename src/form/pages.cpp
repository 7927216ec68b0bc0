// Placeholder until the pages land.
#include "form/pages.h"

#include "form/settings_form.h"

namespace zarq {

void buildForm(SettingsForm&) {}
void showPage(SettingsForm& form, int n) { form.currentPage = static_cast<std::int16_t>(n); }

}  // namespace zarq
