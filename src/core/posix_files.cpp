// The file system of the case commands on POSIX, and the fault-injecting stand-in.
#include "core/posix_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace tarnolo {

namespace {

int flagsOf(FileSystem::Access access) {
  // O_NONBLOCK: opening a FIFO or a device must not wait for the other end.
  constexpr int kCommon = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
  switch (access) {
    case FileSystem::Access::ReadWrite:
      return O_RDWR | kCommon;
    case FileSystem::Access::WriteExisting:
      return O_WRONLY | kCommon;
    case FileSystem::Access::CreateNew:
      return O_WRONLY | O_CREAT | O_EXCL | kCommon;
  }
  return kCommon;
}

}  // namespace

int PosixFileSystem::open(const std::string& path, Access access, int& handle) {
  handle = ::open(path.c_str(), flagsOf(access), 0666);
  return handle < 0 ? errno : 0;
}

int PosixFileSystem::status(int handle, Kind& kind, unsigned& permissions) {
  struct stat st {};
  if (::fstat(handle, &st) != 0) return errno;
  kind = S_ISREG(st.st_mode) ? Kind::Regular : S_ISDIR(st.st_mode) ? Kind::Folder : Kind::Other;
  permissions = st.st_mode & 07777;
  return 0;
}

int PosixFileSystem::setPermissions(int handle, unsigned permissions) {
  return ::fchmod(handle, permissions) == 0 ? 0 : errno;
}

int PosixFileSystem::read(int handle, uint8_t* buffer, size_t size, size_t& done) {
  const ssize_t n = ::read(handle, buffer, size);
  done = n > 0 ? static_cast<size_t>(n) : 0;
  return n < 0 ? errno : 0;
}

int PosixFileSystem::write(int handle, const uint8_t* bytes, size_t size, size_t& done) {
  const ssize_t n = ::write(handle, bytes, size);
  done = n > 0 ? static_cast<size_t>(n) : 0;
  return n < 0 ? errno : 0;
}

int PosixFileSystem::sync(int handle) {
  return ::fsync(handle) == 0 ? 0 : errno;
}

int PosixFileSystem::close(int handle) {
  // The handle is gone even when close reports an error; EINTR is not worth a retry.
  return ::close(handle) == 0 || errno == EINTR ? 0 : errno;
}

int PosixFileSystem::rename(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int PosixFileSystem::remove(const std::string& path) {
  return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

bool PosixFileSystem::isFolder(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

void FaultyFileSystem::failOn(Call call, int error, int skip) {
  faults_.push_back({call, error, skip});
}

void FaultyFileSystem::clear() {
  faults_.clear();
  freeSpace_ = SIZE_MAX;
}

int FaultyFileSystem::injected(Call call) {
  for (auto it = faults_.begin(); it != faults_.end(); ++it) {
    if (it->call != call) continue;
    if (it->skip-- > 0) continue;
    const int error = it->error;
    faults_.erase(it);
    return error;
  }
  return 0;
}

int FaultyFileSystem::open(const std::string& path, Access access, int& handle) {
  if (const int error = injected(Call::Open)) return error;
  const int error = real_.open(path, access, handle);
  if (error == 0) handles_.insert(handle);
  return error;
}

int FaultyFileSystem::status(int handle, Kind& kind, unsigned& permissions) {
  if (const int error = injected(Call::Status)) return error;
  return real_.status(handle, kind, permissions);
}

int FaultyFileSystem::setPermissions(int handle, unsigned permissions) {
  if (const int error = injected(Call::SetPermissions)) return error;
  return real_.setPermissions(handle, permissions);
}

int FaultyFileSystem::read(int handle, uint8_t* buffer, size_t size, size_t& done) {
  if (const int error = injected(Call::Read)) return error;
  return real_.read(handle, buffer, size, done);
}

int FaultyFileSystem::write(int handle, const uint8_t* bytes, size_t size, size_t& done) {
  done = 0;
  if (const int error = injected(Call::Write)) return error;
  if (freeSpace_ == 0) return ENOSPC;
  const int error = real_.write(handle, bytes, std::min(size, freeSpace_), done);
  if (freeSpace_ != SIZE_MAX) freeSpace_ -= done;
  return error;
}

int FaultyFileSystem::sync(int handle) {
  if (const int error = injected(Call::Sync)) return error;
  return real_.sync(handle);
}

int FaultyFileSystem::close(int handle) {
  handles_.erase(handle);
  const int error = real_.close(handle);
  if (const int injectedError = injected(Call::Close)) return injectedError;
  return error;
}

int FaultyFileSystem::rename(const std::string& from, const std::string& to) {
  if (const int error = injected(Call::Rename)) return error;
  return real_.rename(from, to);
}

int FaultyFileSystem::remove(const std::string& path) {
  if (const int error = injected(Call::Remove)) return error;
  return real_.remove(path);
}

}  // namespace tarnolo
