#include "editor/file_messages.h"

#include <ctime>

#include "common/paths.h"
#include "common/utf.h"

namespace zarq {

Text fileErrorText(FileError error) {
  switch (error) {
    case FileError::None:
      return u"没有出错";
    case FileError::NoSpace:
      return u"磁盘满了";
    case FileError::Io:
      return u"磁盘读写出错了";
    case FileError::Permission:
      return u"没有写入的权限";
    case FileError::NameTooLong:
      return u"文件名太长了";
    case FileError::Exists:
      return u"那里已经有同名的东西了";
    case FileError::NotFound:
      return u"文件或文件夹不见了";
    case FileError::InvalidName:
      return u"这个名字在这里不能用作文件名";
    case FileError::NotRegular:
      return u"那里不是普通的文件";
    case FileError::Stopped:
      return u"被中止了";
    case FileError::Other:
      break;
  }
  return u"出了意料之外的错";
}

Text notKeptText(FileError error) {
  return u"（替换掉的那一份没能存进历史：" + fileErrorText(error) + u"）";
}

Text unflushedText(FileError error) {
  return u"（文件写好了，可它的文件夹没能存到磁盘上：" + fileErrorText(error) +
         u"。突然断电的话，它可能保不住）";
}

Text copiedUnflushedText(const std::filesystem::path& file, FileError error) {
  return u"文件复制好了：" + fileNameText(file) + u"\n可它的文件夹没能存到磁盘上：" +
         fileErrorText(error) + u"。突然断电的话，它可能保不住";
}

Text writeFailureText(const std::filesystem::path& file, const WriteOutcome& outcome) {
  Text text = u"无法写入文件！\n" + fileNameText(file) + u"：" + fileErrorText(outcome.error);
  if (outcome.notKept != FileError::None) {
    text += u"\n只能就地改写它，可原来的内容没能先存进历史，Pim酱不敢动它";
  }
  if (outcome.restoreFailed) text += u"\n原来的内容也没能放回去 (´;ω;`)";
  return text;
}

Text closeWithoutSaveSetQuestion(TextView why) {
  return u"Pim酱没能把表单存进 save.set ╭(╯^╰)╮\n" + Text(why) +
         u"\n\n是：另存到别的地方\n否：不保存，直接关掉\n取消：回到窗口";
}

Text rescuedFormsText(TextView files) {
  return u"上次结束时 Pim酱没能把表单存进 save.set，它被存到了：\n" + Text(files) +
         u"\n\n按 Ctrl+O 可以打开它 (。-ω-)";
}

Text saveSetChangedQuestion() {
  return u"save.set 在编辑器打开以后被别的程序改过了 (。-ω-)\n"
         u"\n是：用现在的表单替换它\n否：把表单另存到别的地方\n取消：回到窗口";
}

Text lastVersionQuestion(std::int64_t keptAt, TextView chartId) {
  const std::time_t time = static_cast<std::time_t>(keptAt);
  char when[32] = "?";
  if (const std::tm* local = std::localtime(&time)) {
    std::strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S", local);
  }
  return u"不过 save.set 的历史里还留着它在 " + fromUtf8(when) + u" 被替换前的样子（谱面ID：" +
         Text(chartId) + u"）。\n要把它找回来嘛 (。-ω-)";
}

Text workDirGoneText(const std::filesystem::path& folder) {
  return u"编辑器的文件夹不见了，或者已经不是打开时的那一个了：\n" + textFromPath(folder);
}

Text unreadableSaveSetText() { return u"打开时 save.set 读不出来，也没能挪开，Pim酱不敢覆盖它"; }

Text folderInUseText(const std::filesystem::path& folder) {
  return u"这个文件夹已经在另一个设置填写器窗口里打开啦 (。-ω-)\n" + textFromPath(folder);
}

Text presetNotOpenedText(const std::filesystem::path& folder, const std::filesystem::path& preset) {
  return folderInUseText(folder) + u"\n" + fileNameText(preset) +
         u" 没有打开，请在那个窗口里按 Ctrl+O 打开它";
}

}  // namespace zarq
