#include "files/drop.h"

#include "common/paths.h"
#include "files/chart_import.h"
#include "files/field_fill.h"
#include "files/file_copy.h"
#include "files/preset_file.h"
#include "form/render_frame.h"
#include "form/settings_form.h"
#include "validate/validation.h"

namespace zarq {
namespace {

constexpr TextView kDropTitle = u"Zarq Radoziro 设置填写器 - 拖拽文件";
constexpr TextView kAvatarTitle = u"Zarq Radoziro 设置填写器 - 打开头像";
constexpr std::size_t kAvatarNameCapacity = 50;

bool endsWith(TextView text, TextView suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

MessageAnswer ask(SettingsForm& form, TextView question) {
  return form.host().messageBox(question, kDropTitle, MessageButtons::YesNo);
}

void say(SettingsForm& form, TextView text, TextView title) {
  form.host().messageBox(text, title, MessageButtons::Ok);
}

enum class Next { NextFile, EndDrop };

// A chart dropped on page 1 becomes the chart: copied into the editor's folder unless a
// chart of that name is there already, validated, and offered for the auto-fill.
Next takeChart(SettingsForm& form, const std::filesystem::path& dropped) {
  const Text fileName = fileNameText(dropped);
  if (fileName == u".json") {
    say(form, u"给谱面取个名再拖进来叭 (。-ω-)", kDropTitle);
    return Next::NextFile;
  }
  fillField(form, slot::chartId, TextView(fileName).substr(0, fileName.size() - 5));
  const std::filesystem::path chart =
      form.fileInWorkDir(pathFromText(form.fields[slot::chartId].text + u".json"));
  // A chart of that name in the editor's folder is used as it is, never overwritten.
  if (!pathExists(chart) && !copyFile(dropped, chart, CopyMode::Text)) {
    say(form, u"Pim酱打不开谱面 ╭(╯^╰)╮", kDropTitle);
    validateAndCommit(form, slot::chartId, false, true);
    return Next::EndDrop;
  }
  validateAndCommit(form, slot::chartId, false, true);
  renderFrame(form);
  if (hasError(form, slot::chartId)) return Next::EndDrop;
  if (ask(form, u"收到谱面辣！\n要Pim酱帮你填信息嘛 (。-ω-)") == MessageAnswer::Yes) {
    autoFillFromChart(form);
  }
  return Next::NextFile;
}

// Any file dropped on page 4 names the avatar, which is looked for in the editor's folder.
void takeAvatarName(SettingsForm& form, const std::filesystem::path& dropped) {
  fillField(form, slot::avatar, fileNameText(dropped));
  validateField(form, slot::avatar, false, true);
  commit(form, slot::avatar);
  renderFrame(form);
}

}  // namespace

void handleDrop(SettingsForm& form, const std::vector<std::filesystem::path>& paths) {
  for (const std::filesystem::path& path : paths) {
    const Text name = textFromPath(path);
    if (name.size() > 4 && endsWith(name, u".set")) {
      if (ask(form, u"是否加载预设？") == MessageAnswer::No) return;
      loadPreset(form, path, false);
      renderFrame(form);
    } else if (form.currentPage == 1) {
      if (name.size() > 5 && endsWith(name, u".json")) {
        if (takeChart(form, path) == Next::EndDrop) return;
      } else {
        say(form, u"你拖进来了个什么东西啊 ┐( ‘д’ )┌", kDropTitle);
      }
    } else if (form.currentPage == 4) {
      takeAvatarName(form, path);
    }
  }
}

void openAvatar(SettingsForm& form) {
  const std::optional<std::filesystem::path> chosen =
      form.host().chooseOpenFile(u"所有文件(*.*)", u"*.*");
  if (!chosen) return;
  if (!pathExists(*chosen)) {
    say(form, u"头像不存在！", kAvatarTitle);
    return;
  }
  fillField(form, slot::avatar, capped(fileNameText(*chosen), kAvatarNameCapacity));
  const std::filesystem::path copy =
      form.fileInWorkDir(pathFromText(form.fields[slot::avatar].text));
  // A file of that name in the editor's folder stays as it is. The chosen one may have
  // vanished since the dialog closed.
  if (!pathExists(copy) && !copyFile(*chosen, copy, CopyMode::Binary)) {
    say(form, pathExists(*chosen) ? u"Pim酱打不开头像 ╭(╯^╰)╮" : u"Pim酱找不到头像 ╭(╯^╰)╮",
        kAvatarTitle);
  }
  validateField(form, slot::avatar, true, true);
  commit(form, slot::avatar);
}

}  // namespace zarq
