// zarq-preset's outputs with a fault injected at each of their file-system calls in turn
// (support/fault_sweep.h): make and render writing a file over an old one, make writing in
// place in a folder that takes no new files, and import printing to standard output.

#include <gtest/gtest.h>

#include "support/fault_sweep.h"
#include "support/sample_chart.h"
#include "support/temp_dir.h"
#include "tools/commands.h"

namespace zarq {
namespace {

namespace fs = std::filesystem;
using testing::FaultyFileSystem;
using testing::putFile;
using testing::sweepFaults;
using testing::SweepPath;
using testing::SweepRun;

std::string text(const fs::path& path) { return path.string(); }

// Runs zarq-preset in the process. Done: exit 0 and, where it prints, all of it printed;
// told: exit 1 with a line on the standard error, or a warning there.
SweepRun runTool(FaultyFileSystem& files, const tool::Args& args, const std::string& printed) {
  files.begin();
  ::testing::internal::CaptureStderr();
  const int code = tool::runPreset(args, files);
  const std::string said = ::testing::internal::GetCapturedStderr();
  // A warning (a replaced preset its history could not keep) is told as well.
  return {code == 0 && files.standardOutputBytes == printed,
          !said.empty() && (code == 1 || said.find("warning") != std::string::npos)};
}

std::string printedBy(const tool::Args& args) {
  FaultyFileSystem files;
  runTool(files, args, "");
  return files.standardOutputBytes;
}

TEST(OutputFaults, MakeReplacesItsOutputWholeOrSaysWhyNot) {
  const auto prepare = [](const fs::path& root) {
    putFile(root / "in.json", R"({"songName": "新的"})");
    putFile(root / "out.set", "the old preset");
  };
  const auto run = [](FaultyFileSystem& files, const fs::path& root) {
#ifndef _WIN32
    // The history of the preset it replaces, below the root with the rest.
    setenv("XDG_DATA_HOME", text(root / "data").c_str(), 1);
#endif
    return runTool(files, {"make", text(root / "in.json"), "-o", text(root / "out.set")}, "");
  };
  // A version kept in the history is named by the time it was kept: any one holding the old
  // preset is as good as the clean run's.
  const auto keptVersion = [](const fs::path& name, const std::string& bytes) {
    return *name.begin() == "data" && bytes == "the old preset";
  };
  sweepFaults({"zarq-preset make", prepare, run, keptVersion});
  // Where no file may be made beside it, the output is written in place, its old content
  // put back after any failure; only a kill midway leaves it cut, and then its history has
  // kept it first.
  SweepPath inPlace{"zarq-preset make, written in place", prepare, run, keptVersion};
  inPlace.refuseNewFilesIn = ".";
  inPlace.stopMayCutTarget = true;
#ifndef _WIN32
  inPlace.oldKeptBelow = "data";
#endif
  sweepFaults(inPlace);

  // Written whole, only its folder not pushed to the disk: a warning, not a failed write.
  testing::TempDir root;
  prepare(root.path());
  FaultyFileSystem files;
  files.foldersUnflushed = true;
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(tool::runPreset({"make", text(root / "in.json"), "-o", text(root / "out.set")}, files),
            0);
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("written, but its folder could not be flushed"), std::string::npos) << said;
  EXPECT_EQ(said.find("无法写入文件"), std::string::npos) << said;
}

TEST(OutputFaults, RenderReplacesItsPictureWholeOrSaysWhyNot) {
  sweepFaults({"zarq-preset render",
               [](const fs::path& root) {
                 putFile(root / "page.png", "the old picture");
                 fs::create_directories(root / "empty");
               },
               [](FaultyFileSystem& files, const fs::path& root) {
                 return runTool(files,
                                {"render", "--page", "2", "--dir", text(root / "empty"), "-o",
                                 text(root / "page.png")},
                                "");
               }});
}

TEST(OutputFaults, ImportPrintsWhollyOrSaysWhyNot) {
  const auto prepare = [](const fs::path& root) {
    putFile(root / "chart.json", testing::kSampleChart);
  };
  testing::TempDir sample;
  prepare(sample.path());
  const std::string printed = printedBy({"import", text(sample / "chart.json")});
  EXPECT_NE(printed.find("Sigma (Haocore Mix)"), std::string::npos);
  sweepFaults({"zarq-preset import", prepare, [&](FaultyFileSystem& files, const fs::path& root) {
                 return runTool(files, {"import", text(root / "chart.json")}, printed);
               }});
}

}  // namespace
}  // namespace zarq
