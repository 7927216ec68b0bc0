#include "editor/drop.h"

#include "common/case_fold.h"
#include "common/paths.h"
#include "common/printable.h"
#include "editor/chart_import.h"
#include "editor/closing.h"
#include "editor/long_work.h"
#include "editor/message_boxes.h"
#include "editor/preset_actions.h"
#include "files/atomic_file.h"
#include "files/chart_fill.h"
#include "files/file_access.h"
#include "files/set_aside.h"
#include "form/media_file.h"
#include "form/render_frame.h"
#include "form/settings_form.h"
#include "form/slot_text.h"
#include "platform/folder_lock.h"
#include "validate/validation.h"

namespace zarq {
namespace {

constexpr std::size_t kAvatarNameCapacity = 50;
constexpr TextView kWhatIsThis = u"你拖进来了个什么东西啊 ┐( ‘д’ )┌";
constexpr TextView kEditorsOwnName = u"这个名字是Pim酱自己的文件用的，头像换个名字叭 ╭(╯^╰)╮\n";

bool startsIgnoringCase(TextView text, TextView start) {
  return text.size() >= start.size() && equalIgnoringCase(text.substr(0, start.size()), start);
}

// The names of the files the editor keeps in its folder by itself. A picture copied in under
// one would be read as the form at the next start (or, made during the session, count as
// "save.set" changed by another program at the close), be overwritten by the next import, or
// be removed as a leftover temporary file. Case is ignored, as on Windows it must be.
bool isEditorsOwnName(TextView name) {
  const Text saved = textFromPath(kSavedForm);
  return equalIgnoringCase(name, saved) ||
         startsIgnoringCase(name, saved + textFromPath(kAsideSuffix)) ||
         equalIgnoringCase(name, textFromPath(kRunFile)) ||
         equalIgnoringCase(name, textFromPath(kFolderLockName)) ||
         isTemporaryName(pathFromText(name));
}

bool endsWith(TextView text, TextView suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

enum class Next { NextFile, EndDrop };

// A chart dropped on page 1 becomes the chart: copied into the editor's folder unless a
// chart of that name is there already, validated, and offered for the auto-fill.
Next takeChart(SettingsForm& form, const std::filesystem::path& dropped) {
  const std::optional<Text> id = chartIdFromFileName(fileNameText(dropped));
  if (!id) {
    tell(form, u"给谱面取个名再拖进来叭 (。-ω-)", about::drop);
    return Next::NextFile;
  }
  if (refuseHugeChart(form, dropped, about::drop)) return Next::EndDrop;
  setSlotText(form, slot::chartId, *id);
  const std::filesystem::path chart = namedFile(form, form.fields[slot::chartId].text + u".json");
  // A chart of that name in the editor's folder is used as it is, never overwritten.
  if (!fileExists(form.platform.files, chart)) {
    const WriteOutcome copied = copyAsLongWork(form, dropped, chart, CopyMode::Text);
    tellCopyOutcome(form, copied, chart, u"Pim酱打不开谱面 ╭(╯^╰)╮", about::drop);
    if (!copied) {
      validateAndCommit(form, slot::chartId);
      return Next::EndDrop;
    }
  }
  validateAndCommit(form, slot::chartId);
  requestFrame(form);
  if (hasError(form, slot::chartId)) return Next::EndDrop;
  if (ask(form, u"收到谱面辣！\n要Pim酱帮你填信息嘛 (。-ω-)", about::drop) == MessageAnswer::Yes) {
    autoFillFromChart(form);
  }
  return Next::NextFile;
}

// Any file dropped on page 4 names the avatar, which is looked for in the editor's folder.
void takeAvatarName(SettingsForm& form, const std::filesystem::path& dropped) {
  const Text name = fileNameText(dropped);
  if (!isTypable(name)) {
    tell(form, kWhatIsThis, about::drop);
    return;
  }
  setSlotText(form, slot::avatar, name);
  validateField(form, slot::avatar);
  commit(form, slot::avatar);
  requestFrame(form);
}

}  // namespace

void handleDrop(SettingsForm& form, const std::vector<std::filesystem::path>& paths) {
  for (const std::filesystem::path& path : paths) {
    const Text name = textFromPath(path);
    if (name.size() > 4 && endsWith(name, u".set")) {
      if (ask(form, u"是否加载预设？", about::drop) == MessageAnswer::No) return;
      loadPreset(form, path, false);
      requestFrame(form);
    } else if (form.currentPage == 1) {
      if (name.size() > 5 && endsWith(name, u".json")) {
        if (takeChart(form, path) == Next::EndDrop) return;
      } else {
        tell(form, kWhatIsThis, about::drop);
      }
    } else if (form.currentPage == 4) {
      takeAvatarName(form, path);
    }
  }
}

void openAvatar(SettingsForm& form) {
  const std::optional<std::filesystem::path> chosen = form.host().chooseOpenFile(
      u"图片(*.png;*.jpg;*.jpeg;*.bmp;*.gif)", u"*.png;*.jpg;*.jpeg;*.bmp;*.gif");
  if (!chosen) return;
  if (!isTypable(fileNameText(*chosen))) {
    tell(form, u"Pim酱打不开头像 ╭(╯^╰)╮", about::openAvatar);
    return;
  }
  if (!fileExists(form.platform.files, *chosen)) {
    tell(form, u"头像不存在！", about::openAvatar);
    return;
  }
  const Text name = capped(fileNameText(*chosen), kAvatarNameCapacity);
  if (isEditorsOwnName(name)) {
    tell(form, Text(kEditorsOwnName) + name, about::openAvatar);
    return;
  }
  setSlotText(form, slot::avatar, name);
  const std::filesystem::path copy = namedFile(form, form.fields[slot::avatar].text);
  // A file of that name in the editor's folder stays as it is. The chosen one may have
  // vanished since the dialog closed.
  if (!fileExists(form.platform.files, copy)) {
    const WriteOutcome copied = copyAsLongWork(form, *chosen, copy, CopyMode::Binary);
    tellCopyOutcome(form, copied, copy,
                    fileExists(form.platform.files, *chosen) ? u"Pim酱打不开头像 ╭(╯^╰)╮"
                                                             : u"Pim酱找不到头像 ╭(╯^╰)╮",
                    about::openAvatar);
  }
  validateField(form, slot::avatar, {.forced = true});
  commit(form, slot::avatar);
}

}  // namespace zarq
