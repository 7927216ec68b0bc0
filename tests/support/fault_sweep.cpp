#include "support/fault_sweep.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "files/atomic_file.h"
#include "support/temp_dir.h"

namespace zarq::testing {
namespace {

namespace fs = std::filesystem;
using Files = std::map<fs::path, std::string>;

// Every regular file below `root`, by its path relative to `root`.
Files filesBelow(const fs::path& root) {
  Files files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    files[entry.path().lexically_relative(root)] = {std::istreambuf_iterator<char>(in), {}};
  }
  return files;
}

const std::string* find(const Files& files, const fs::path& name) {
  const auto found = files.find(name);
  return found == files.end() ? nullptr : &found->second;
}

// The folder below `root` where the path refuses new files, as the faulty file system's
// calls name it; empty for none.
fs::path refusingFolder(const SweepPath& path, const fs::path& root) {
  if (path.refuseNewFilesIn.empty()) return {};
  const fs::path folder = (root / path.refuseNewFilesIn).lexically_normal();
  return folder.has_filename() ? folder : folder.parent_path();
}

// Whether a file below `folder` holds `bytes`.
bool keptBelow(const Files& files, const fs::path& folder, const std::string& bytes) {
  for (const auto& [name, content] : files) {
    if (content == bytes && !name.lexically_relative(folder).empty() &&
        *name.lexically_relative(folder).begin() != "..") {
      return true;
    }
  }
  return false;
}

// The clean-up of a start a day later, in every folder.
void cleanUpAfterStop(const fs::path& root) {
  const std::int64_t dayOn = secondsOn(86400);
  removeLeftoverTemporaries(osFileSystem(), root, dayOn);
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_directory()) removeLeftoverTemporaries(osFileSystem(), entry.path(), dayOn);
  }
}

struct Snapshot {
  Files files;
  SweepRun run;
  bool stopped = false;
};

Snapshot runOnce(const SweepPath& path, int failAt, Fault fault) {
  TempDir root;
  path.prepare(root.path());
  FaultyFileSystem files;
  files.refuseNewFilesIn = refusingFolder(path, root.path());
  files.arm(failAt, fault);
  Snapshot snapshot;
  snapshot.run = path.run(files, root.path());
  snapshot.stopped = files.stopped();
  files.closeLeftovers();
  if (snapshot.stopped) cleanUpAfterStop(root.path());
  snapshot.files = filesBelow(root.path());
  return snapshot;
}

}  // namespace

void sweepFaults(const SweepPath& path) {
  Files before;
  {
    TempDir root;
    path.prepare(root.path());
    before = filesBelow(root.path());
  }
  FaultyFileSystem counter;
  TempDir cleanRoot;
  path.prepare(cleanRoot.path());
  counter.refuseNewFilesIn = refusingFolder(path, cleanRoot.path());
  const SweepRun clean = path.run(counter, cleanRoot.path());
  const Files after = filesBelow(cleanRoot.path());
  EXPECT_TRUE(clean.done && !clean.told) << path.name << ": fails without any fault";
  const int calls = counter.calls();
  int injected = 0;
  EXPECT_GT(calls, 0) << path.name << ": makes no file-system call";

  for (int n = 1; n <= calls; ++n) {
    for (const Fault fault : kFaults) {
      ++injected;
      const Snapshot got = runOnce(path, n, fault);
      const std::string where =
          path.name + ", call " + std::to_string(n) + " fails with " + faultName(fault);
      bool asAfter = got.run.done;
      bool renamedFine = false;
      for (const auto& [name, bytes] : got.files) {
        renamedFine =
            renamedFine || (!find(after, name) && path.alsoFine && path.alsoFine(name, bytes));
      }
      std::set<fs::path> names;
      for (const Files* files : std::initializer_list<const Files*>{&before, &after, &got.files}) {
        for (const auto& entry : *files) names.insert(entry.first);
      }
      for (const fs::path& name : names) {
        const std::string* now = find(got.files, name);
        const std::string* old = find(before, name);
        const std::string* fresh = find(after, name);
        if (now && isTemporaryName(name.filename())) {
          ADD_FAILURE() << where << ": a temporary file is left: " << name;
          continue;
        }
        const bool isOld = now ? old && *now == *old : !old;
        const bool isNew = now ? fresh && *now == *fresh : !fresh;
        // A file the path may name differently from run to run (a time in its name): one
        // that is fine is as good as the clean run's, which may then be missing.
        const bool fine =
            path.alsoFine && (now ? path.alsoFine(name, *now)
                                  : !old && fresh && path.alsoFine(name, *fresh) && renamedFine);
        asAfter = asAfter && (isNew || fine);
        if (isOld || isNew) continue;
        if (now && fine) continue;
        if (got.stopped && path.stopMayCutTarget &&
            (path.oldKeptBelow.empty() || (old && keptBelow(got.files, path.oldKeptBelow, *old)))) {
          continue;
        }
        ADD_FAILURE() << where << ": " << name << " is neither the old file nor the new one"
                      << (now ? " (" + std::to_string(now->size()) + " bytes)" : " (missing)");
      }
      if (!got.stopped && !asAfter && !got.run.told) {
        ADD_FAILURE() << where << ": it did not end as it should, and nobody was told";
      }
    }
  }
  std::printf("[ sweep    ] %s: %d calls, %d faults injected\n", path.name.c_str(), calls,
              injected);
}

void putFile(const fs::path& file, const std::string& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

}  // namespace zarq::testing
