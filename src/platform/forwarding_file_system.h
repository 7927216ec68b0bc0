#pragma once
// A file system that hands every call to another one, for one that changes a few of them
// (keeps listings, say); `changing` is told before each call that may add, rename or remove
// an entry of some folder.

#include "platform/file_system.h"

namespace zarq {

class ForwardingFileSystem : public FileSystem {
 public:
  explicit ForwardingFileSystem(FileSystem& files) : files_(files) {}

  FileError status(const std::filesystem::path& path, FileStatus& status) override {
    return files_.status(path, status);
  }
  FileError resolvedStatus(const std::filesystem::path& path, FileStatus& status) override {
    return files_.resolvedStatus(path, status);
  }
  FileError openForReading(const std::filesystem::path& path, Handle& handle) override {
    return files_.openForReading(path, handle);
  }
  FileError createNew(const std::filesystem::path& path, Handle& handle) override {
    changing();
    return files_.createNew(path, handle);
  }
  FileError openForUpdate(const std::filesystem::path& path, Handle& handle) override {
    return files_.openForUpdate(path, handle);
  }
  FileError read(Handle handle, std::span<std::uint8_t> into, std::size_t& got) override {
    return files_.read(handle, into, got);
  }
  FileError write(Handle handle, std::span<const std::uint8_t> bytes) override {
    return files_.write(handle, bytes);
  }
  FileError findData(Handle handle, std::uint64_t from, std::uint64_t& dataAt,
                     std::uint64_t& dataEnd) override {
    return files_.findData(handle, from, dataAt, dataEnd);
  }
  FileError growTo(Handle handle, std::uint64_t size) override {
    return files_.growTo(handle, size);
  }
  FileError truncate(Handle handle) override { return files_.truncate(handle); }
  FileError sync(Handle handle) override { return files_.sync(handle); }
  FileError close(Handle handle) override { return files_.close(handle); }
  FileError checkWritable(const std::filesystem::path& path) override {
    return files_.checkWritable(path);
  }
  void takeAttributesOf(Handle file, const std::filesystem::path& like) override {
    files_.takeAttributesOf(file, like);
  }
  FileError replace(const std::filesystem::path& from, const std::filesystem::path& to) override {
    changing();
    return files_.replace(from, to);
  }
  FileError renameNew(const std::filesystem::path& from, const std::filesystem::path& to) override {
    changing();
    return files_.renameNew(from, to);
  }
  FileError remove(const std::filesystem::path& path) override {
    changing();
    return files_.remove(path);
  }
  FileError removeAbandoned(const std::filesystem::path& path) override {
    changing();
    return files_.removeAbandoned(path);
  }
  FileError syncFolder(const std::filesystem::path& folder) override {
    return files_.syncFolder(folder);
  }
  FileError createFolders(const std::filesystem::path& folder) override {
    changing();
    return files_.createFolders(folder);
  }
  FileError list(const std::filesystem::path& folder,
                 std::vector<std::filesystem::path>& names) override {
    return files_.list(folder, names);
  }
  std::unique_ptr<FolderHold> holdFolder(const std::filesystem::path& folder) override {
    return files_.holdFolder(folder);
  }
  FileError heldFolderInPlace(const std::filesystem::path& folder) override {
    return files_.heldFolderInPlace(folder);
  }
  FileError listIgnoringCase(const std::filesystem::path& folder, TextView name,
                             std::vector<std::filesystem::path>& names) override {
    return files_.listIgnoringCase(folder, name, names);
  }
  bool keepsListings() const override { return files_.keepsListings(); }
  Handle standardOutput() override { return files_.standardOutput(); }
  bool crLfLineEnds() const override { return files_.crLfLineEnds(); }

 protected:
  virtual void changing() {}

 private:
  FileSystem& files_;
};

}  // namespace zarq
