// Replacing a file whole so that a failure at any step leaves the old one as it was, and the
// small steps that the case file code shares with it.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "core/case_file.h"

namespace tarnolo {

// Leaves exactly bytes in the file that path names. A symbolic link is followed to the file it
// names, also when that file does not exist yet, and the link stays. The bytes go to a new file
// with an unforeseeable short name in the same folder, which takes the owner, group and
// permissions of the file it replaces (as far as this process may set them), is flushed to the
// disk and then renamed over it; the folder is then flushed too. The new file is removed after
// any failure. A file that may not be written, or is no plain file, is refused with 5 as if it
// were overwritten in place. Raises InOutError as fileFailure says.
void saveWhole(FileSystem& files, const std::string& path, std::string_view bytes);

// The path that path ends at once every symbolic link of its last part has been followed; a
// relative link is read from the link's folder: "d/caso.ROC" -> "../x.ROC" gives "d/../x.ROC".
// Raises InOutError for a loop of links (ELOOP) or an unreadable link.
std::string followLinks(FileSystem& files, const std::string& path);

// The folder part of a path: "a/b.ROC" -> "a", "b.ROC" -> ".", "/b.ROC" -> "/".
std::string folderOf(const std::string& path);

// Raises the InOutError of a system error met at path (a missing folder gives 3).
[[noreturn]] void raiseFileError(FileSystem& files, int error, const std::string& path);

// A handle that is closed when it goes out of scope, whatever the close reports.
class OpenFile {
 public:
  OpenFile(FileSystem& files, int handle) : files_(files), handle_(handle) {}
  ~OpenFile() {
    if (handle_ >= 0) files_.close(handle_);
  }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  int handle() const { return handle_; }
  // Closes now and returns what the close reports.
  int close() { return files_.close(std::exchange(handle_, -1)); }

 private:
  FileSystem& files_;
  int handle_;
};

}  // namespace tarnolo
