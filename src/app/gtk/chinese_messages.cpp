#include "app/gtk/chinese_messages.h"

#include <glib.h>

#include <clocale>
#include <cstring>

#include "backend/gtk/held_theme.h"

namespace zarq::gtk {
namespace {

constexpr char kChinese[] = "zh_CN:zh";

}  // namespace

void useChineseMessages() {
  // Pango chooses the faces of Han text by the languages asked for, from its first text on.
  g_setenv("PANGO_LANGUAGE", kChinese, FALSE);
  holdLanguagesBack(kChinese);
  const char* messages = std::setlocale(LC_MESSAGES, nullptr);
  if (!messages || std::strcmp(messages, "C") == 0 || std::strcmp(messages, "POSIX") == 0) {
    std::setlocale(LC_MESSAGES, "C.UTF-8");
  }
}

}  // namespace zarq::gtk
