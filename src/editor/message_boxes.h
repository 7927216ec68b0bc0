#pragma once
// Every message box of the editor: modal on the window and titled with the editor's name,
// " - " and what it is about. The window shows what the action did so far, once, before the
// box opens over it.

#include "common/text.h"
#include "platform/platform.h"

namespace zarq {

struct SettingsForm;

// What a message box is about, as its title names it.
namespace about {
inline constexpr char16_t save[] = u"保存";
inline constexpr char16_t loadPreset[] = u"加载预设";
inline constexpr char16_t open[] = u"打开";
inline constexpr char16_t paste[] = u"粘贴";
inline constexpr char16_t drop[] = u"拖拽文件";
inline constexpr char16_t openAvatar[] = u"打开头像";
inline constexpr char16_t chartFolder[] = u"打开 Zarq 谱面文件夹";
}  // namespace about

// "Zarq Radoziro 设置填写器 - " followed by `about` (an action, a caption, a status line).
Text messageTitle(TextView about);
// A message with OK.
void tell(SettingsForm& form, TextView text, TextView about);
// A question with Yes and No.
MessageAnswer ask(SettingsForm& form, TextView question, TextView about);

}  // namespace zarq
