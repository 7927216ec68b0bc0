#include "files/file_errors.h"

namespace zarq {

const char* fileErrorWords(FileError error) {
  switch (error) {
    case FileError::None:
      return "no error";
    case FileError::NoSpace:
      return "the disk is full";
    case FileError::Io:
      return "input/output error";
    case FileError::Permission:
      return "permission denied";
    case FileError::NameTooLong:
      return "the name is too long";
    case FileError::Exists:
      return "something of that name is already there";
    case FileError::NotFound:
      return "no such file or folder";
    case FileError::InvalidName:
      return "not a valid file name on this system";
    case FileError::NotRegular:
      return "not a regular file";
    case FileError::Stopped:
      return "stopped";
    case FileError::Other:
      break;
  }
  return "unexpected error";
}

}  // namespace zarq
