// Writes a text file whole.
#include "core/text_file.h"

#include <cerrno>
#include <cstdio>

#include "core/failures.h"

namespace tarnolo {

namespace {

[[noreturn]] void raiseSystemError(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      raiseInOut(3);
    case EMFILE:
    case ENFILE:
      raiseInOut(4);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      raiseInOut(5);
    case ENOSPC:
    case EDQUOT:
      raiseInOut(101);
    default:
      // The system's own number, also where it equals one of the codes above (EIO is 5).
      throw Failure(FailureKind::InOutError, "I/O error " + std::to_string(error), error);
  }
}

int lastError() {
  return errno != 0 ? errno : EIO;
}

}  // namespace

void writeTextFile(const std::string& path, const std::string& bytes) {
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) raiseSystemError(lastError());
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const int writeError = written ? 0 : lastError();
  errno = 0;
  const bool closed = std::fclose(file) == 0;
  if (!written) raiseSystemError(writeError);
  if (!closed) raiseSystemError(lastError());
}

}  // namespace tarnolo
