#include "app/gtk/chinese_messages.h"

#include <glib.h>

#include <clocale>
#include <cstring>

namespace zarq::gtk {

void useChineseMessages() {
  g_setenv("LANGUAGE", "zh_CN:zh", TRUE);
  const char* messages = std::setlocale(LC_MESSAGES, nullptr);
  if (!messages || std::strcmp(messages, "C") == 0 || std::strcmp(messages, "POSIX") == 0) {
    std::setlocale(LC_MESSAGES, "C.UTF-8");
  }
}

}  // namespace zarq::gtk
