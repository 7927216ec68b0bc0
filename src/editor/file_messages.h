#pragma once
// What the editor says when a file cannot be written: its usual first line, then
// the file and the reason in the editor's own words.

#include <cstdint>
#include <filesystem>

#include "common/text.h"
#include "files/atomic_file.h"

namespace zarq {

// The reason alone: "磁盘满了", "没有写入的权限", ...
Text fileErrorText(FileError error);
// The line added when a preset was saved but the one it replaced could not be kept in its
// history.
Text notKeptText(FileError error);
// The line added when a file was written but its folder could not be pushed to the disk.
Text unflushedText(FileError error);
// A copy that was made, but whose folder could not be pushed to the disk.
Text copiedUnflushedText(const std::filesystem::path& file, FileError error);
// "无法写入文件！", then "NAME：REASON" on a line of its own, and a line more when a file
// written in place could not be given its old content back, or was not written in place as
// its old content could not be kept first.
Text writeFailureText(const std::filesystem::path& file, const WriteOutcome& outcome);
// The three-way question when the form cannot be saved to "save.set" at the close: Yes saves
// it elsewhere, No closes without saving, Cancel goes back to the window.
Text closeWithoutSaveSetQuestion(TextView why);
// The question at the close when another program changed "save.set" since the editor read
// or wrote it: Yes replaces it, No saves the form elsewhere, Cancel goes back to the window.
Text saveSetChangedQuestion();
// The fallback files, one per line, that the end of an earlier session saved the form to.
Text rescuedFormsText(TextView files);
// The offer, after "save.set" could not be read at the start, of the newest version its
// history keeps: the time it was replaced (seconds since 1970) and its chart ID.
Text lastVersionQuestion(std::int64_t keptAt, TextView chartId);
// Why "save.set" is not written when the editor's folder was unmounted, removed, renamed
// away or replaced since the start.
Text workDirGoneText(const std::filesystem::path& folder);
// Why "save.set" is not written when it could neither be read nor moved aside at the start.
Text unreadableSaveSetText();
// A second editor started in a folder an editor already works in.
Text folderInUseText(const std::filesystem::path& folder);
// The same, and that the preset this start was to open was not opened.
Text presetNotOpenedText(const std::filesystem::path& folder, const std::filesystem::path& preset);

}  // namespace zarq
