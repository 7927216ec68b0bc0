#include "support/faulty_file_system.h"

namespace zarq::testing {
namespace {

FileError errorOf(Fault fault) {
  switch (fault) {
    case Fault::NoSpace:
      return FileError::NoSpace;
    case Fault::Permission:
      return FileError::Permission;
    case Fault::NameTooLong:
      return FileError::NameTooLong;
    case Fault::Io:
    case Fault::Stop:
      break;
  }
  return FileError::Io;
}

}  // namespace

const char* faultName(Fault fault) {
  switch (fault) {
    case Fault::NoSpace:
      return "no space";
    case Fault::Io:
      return "I/O error";
    case Fault::Permission:
      return "permission denied";
    case Fault::NameTooLong:
      return "name too long";
    case Fault::Stop:
      break;
  }
  return "stop";
}

void FaultyFileSystem::arm(int n, Fault fault) {
  failAt_ = n;
  fault_ = fault;
  counting_ = false;
  stopped_ = false;
}

void FaultyFileSystem::begin() {
  counting_ = true;
  calls_ = 0;
}

void FaultyFileSystem::closeLeftovers() {
  for (const Handle handle : open_) real_.close(handle);
  open_.clear();
}

FileError FaultyFileSystem::step() {
  if (stopped_) return FileError::Io;
  if (!counting_) return FileError::None;
  ++calls_;
  if (calls_ != failAt_) return FileError::None;
  stopped_ = fault_ == Fault::Stop;
  return errorOf(fault_);
}

FileError FaultyFileSystem::opened(FileError error, const Handle& handle) {
  if (error == FileError::None) open_.insert(handle);
  return error;
}

FileError FaultyFileSystem::status(const std::filesystem::path& path, FileStatus& status) {
  if (const FileError error = step(); error != FileError::None) return error;
  return real_.status(path, status);
}

FileError FaultyFileSystem::resolvedStatus(const std::filesystem::path& path, FileStatus& status) {
  if (const FileError error = step(); error != FileError::None) return error;
  return real_.resolvedStatus(path, status);
}

FileError FaultyFileSystem::heldFolderInPlace(const std::filesystem::path& folder) {
  if (const FileError error = step(); error != FileError::None) return error;
  return real_.heldFolderInPlace(folder);
}

FileError FaultyFileSystem::openForReading(const std::filesystem::path& path, Handle& handle) {
  if (const FileError error = step(); error != FileError::None) return error;
  return opened(real_.openForReading(path, handle), handle);
}

FileError FaultyFileSystem::createNew(const std::filesystem::path& path, Handle& handle) {
  if (const FileError error = step(); error != FileError::None) return error;
  if (!refuseNewFilesIn.empty() && path.parent_path() == refuseNewFilesIn) {
    return FileError::Permission;
  }
  return opened(real_.createNew(path, handle), handle);
}

FileError FaultyFileSystem::openForUpdate(const std::filesystem::path& path, Handle& handle) {
  if (const FileError error = step(); error != FileError::None) return error;
  return opened(real_.openForUpdate(path, handle), handle);
}

FileError FaultyFileSystem::read(Handle handle, std::span<std::uint8_t> into, std::size_t& got) {
  if (const FileError error = step(); error != FileError::None) return error;
  return real_.read(handle, into, got);
}

FileError FaultyFileSystem::write(Handle handle, std::span<const std::uint8_t> bytes) {
  FileError error = step();
  if (error == FileError::None && diskFull) error = FileError::NoSpace;
  // A disk that fills up takes part of what was written before it says so.
  const std::span<const std::uint8_t> taken = error == FileError::None ? bytes
                                              : stopped_               ? bytes.first(0)
                                                         : bytes.first(bytes.size() / 2);
  if (handle == kStandardOutput) {
    standardOutputBytes.append(reinterpret_cast<const char*>(taken.data()), taken.size());
  } else if (!taken.empty()) {
    real_.write(handle, taken);
  }
  return error;
}

FileError FaultyFileSystem::findData(Handle handle, std::uint64_t from, std::uint64_t& dataAt,
                                     std::uint64_t& dataEnd) {
  if (const FileError error = step(); error != FileError::None) return error;
  return real_.findData(handle, from, dataAt, dataEnd);
}

FileError FaultyFileSystem::growTo(Handle handle, std::uint64_t size) {
  if (const FileError error = step(); error != FileError::None) return error;
  return real_.growTo(handle, size);
}

FileError FaultyFileSystem::truncate(Handle handle) {
  if (const FileError error = step(); error != FileError::None) return error;
  return real_.truncate(handle);
}

// The disk itself is not asked: what reaches the files is the same, and hundreds of runs
// would wait for it.
FileError FaultyFileSystem::sync(Handle) { return step(); }

FileError FaultyFileSystem::close(Handle handle) {
  const FileError error = step();
  // A failed close still lets the handle go, as the system's does; a stopped process's
  // handles stay open until closeLeftovers.
  if (stopped_) return error;
  open_.erase(handle);
  const FileError closed = real_.close(handle);
  return error != FileError::None ? error : closed;
}

FileError FaultyFileSystem::checkWritable(const std::filesystem::path& path) {
  if (const FileError error = step(); error != FileError::None) return error;
  return real_.checkWritable(path);
}

void FaultyFileSystem::takeAttributesOf(Handle file, const std::filesystem::path& like) {
  if (step() == FileError::None) real_.takeAttributesOf(file, like);
}

FileError FaultyFileSystem::replace(const std::filesystem::path& from,
                                    const std::filesystem::path& to) {
  if (const FileError error = step(); error != FileError::None) return error;
  return real_.replace(from, to);
}

FileError FaultyFileSystem::renameNew(const std::filesystem::path& from,
                                      const std::filesystem::path& to) {
  if (const FileError error = step(); error != FileError::None) return error;
  return real_.renameNew(from, to);
}

FileError FaultyFileSystem::remove(const std::filesystem::path& path) {
  if (const FileError error = step(); error != FileError::None) return error;
  return real_.remove(path);
}

FileError FaultyFileSystem::syncFolder(const std::filesystem::path&) {
  if (const FileError error = step(); error != FileError::None) return error;
  return foldersUnflushed ? FileError::Io : FileError::None;
}

FileError FaultyFileSystem::createFolders(const std::filesystem::path& folder) {
  if (const FileError error = step(); error != FileError::None) return error;
  return real_.createFolders(folder);
}

FileError FaultyFileSystem::list(const std::filesystem::path& folder,
                                 std::vector<std::filesystem::path>& names) {
  if (const FileError error = step(); error != FileError::None) return error;
  return real_.list(folder, names);
}

}  // namespace zarq::testing
