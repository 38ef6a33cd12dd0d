// The file system of the case commands on POSIX, and the fault-injecting stand-in.
#include "core/posix_files.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace tarnolo {

namespace {

// O_NONBLOCK: opening a FIFO or a device must not wait for the other end.
constexpr int kCommon = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
// Letters and digits for a temporary name: 8 of them give 36^8, about 2.8e12, names.
constexpr char kNameLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr int kNameLength = 8;
constexpr int kNameAttempts = 100;

// ".tarnolo-" and 8 letters or digits from the system's random source.
int temporaryName(std::string& name) {
  unsigned char random[kNameLength];
  size_t got = 0;
  while (got < sizeof random) {
    const ssize_t n = ::getrandom(random + got, sizeof random - got, 0);
    if (n < 0 && errno != EINTR) return errno;
    if (n > 0) got += static_cast<size_t>(n);
  }
  name = ".tarnolo-";
  for (unsigned char byte : random) name += kNameLetters[byte % (sizeof kNameLetters - 1)];
  return 0;
}

// A name with a NUL character names no file: the system would see only the part before it.
bool cutShort(const std::string& path) {
  return path.find('\0') != std::string::npos;
}

FileSystem::Kind kindOf(mode_t mode) {
  if (S_ISREG(mode)) return FileSystem::Kind::Regular;
  return S_ISDIR(mode) ? FileSystem::Kind::Folder : FileSystem::Kind::Other;
}

}  // namespace

int PosixFileSystem::inspect(const std::string& path, Info& info) {
  if (cutShort(path)) return EINVAL;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return errno;
  info.kind = kindOf(st.st_mode);
  info.permissions = st.st_mode & 07777;
  info.owner = st.st_uid;
  info.group = st.st_gid;
  info.writable = ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
  return 0;
}

int PosixFileSystem::readLink(const std::string& path, std::string& target) {
  if (cutShort(path)) return EINVAL;
  std::string buffer(256, '\0');
  for (;;) {
    const ssize_t n = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (n < 0) return errno;
    if (static_cast<size_t>(n) < buffer.size()) {
      target.assign(buffer.data(), static_cast<size_t>(n));
      return 0;
    }
    buffer.resize(buffer.size() * 2);
  }
}

int PosixFileSystem::open(const std::string& path, int& handle) {
  if (cutShort(path)) return EINVAL;
  handle = ::open(path.c_str(), O_RDONLY | kCommon);
  return handle < 0 ? errno : 0;
}

int PosixFileSystem::status(int handle, Kind& kind, unsigned& permissions) {
  struct stat st {};
  if (::fstat(handle, &st) != 0) return errno;
  kind = kindOf(st.st_mode);
  permissions = st.st_mode & 07777;
  return 0;
}

int PosixFileSystem::openFolder(const std::string& path, int& handle) {
  if (cutShort(path)) return EINVAL;
  handle = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  return handle < 0 ? errno : 0;
}

int PosixFileSystem::createTemporary(int folder, std::string& name, int& handle) {
  // Relative to the open folder, so that the full path of the new file never counts.
  if (::access("/proc/self/fd", X_OK) == 0) {
    if (const int error = temporaryName(name)) return error;
    handle = ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (handle >= 0) {
      unnamed_[handle] = {folder, name};
      return 0;
    }
    // A file system without unnamed files says so in one of these ways.
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return errno;
  }
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    if (const int error = temporaryName(name)) return error;
    handle = ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | kCommon, 0666);
    if (handle >= 0) return 0;
    if (errno != EEXIST) return errno;
  }
  return EEXIST;
}

int PosixFileSystem::setPermissions(int handle, unsigned permissions) {
  return ::fchmod(handle, permissions) == 0 ? 0 : errno;
}

int PosixFileSystem::setOwner(int handle, unsigned owner, unsigned group) {
  return ::fchown(handle, owner, group) == 0 ? 0 : errno;
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
  int error = 0;
  if (const auto unnamed = unnamed_.find(handle); unnamed != unnamed_.end()) {
    const std::string self = "/proc/self/fd/" + std::to_string(handle);
    if (::linkat(AT_FDCWD, self.c_str(), unnamed->second.folder, unnamed->second.name.c_str(),
                 AT_SYMLINK_FOLLOW) != 0)
      error = errno;
    unnamed_.erase(unnamed);
  }
  // The handle is gone even when close reports an error; EINTR is not worth a retry.
  if (::close(handle) != 0 && errno != EINTR && error == 0) error = errno;
  return error;
}

int PosixFileSystem::rename(int folder, const std::string& from, const std::string& to) {
  return ::renameat(folder, from.c_str(), folder, to.c_str()) == 0 ? 0 : errno;
}

int PosixFileSystem::remove(int folder, const std::string& name) {
  return ::unlinkat(folder, name.c_str(), 0) == 0 ? 0 : errno;
}

bool PosixFileSystem::isFolder(const std::string& path) {
  if (cutShort(path)) return false;
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

int FaultyFileSystem::inspect(const std::string& path, Info& info) {
  if (const int error = injected(Call::Inspect)) return error;
  return real_.inspect(path, info);
}

int FaultyFileSystem::readLink(const std::string& path, std::string& target) {
  if (const int error = injected(Call::ReadLink)) return error;
  return real_.readLink(path, target);
}

int FaultyFileSystem::open(const std::string& path, int& handle) {
  if (const int error = injected(Call::Open)) return error;
  const int error = real_.open(path, handle);
  if (error == 0) handles_.insert(handle);
  return error;
}

int FaultyFileSystem::status(int handle, Kind& kind, unsigned& permissions) {
  if (const int error = injected(Call::Status)) return error;
  return real_.status(handle, kind, permissions);
}

int FaultyFileSystem::openFolder(const std::string& path, int& handle) {
  if (const int error = injected(Call::Open)) return error;
  const int error = real_.openFolder(path, handle);
  if (error == 0) handles_.insert(handle);
  return error;
}

int FaultyFileSystem::createTemporary(int folder, std::string& name, int& handle) {
  if (const int error = injected(Call::Open)) return error;
  const int error = real_.createTemporary(folder, name, handle);
  if (error == 0) handles_.insert(handle);
  return error;
}

int FaultyFileSystem::setPermissions(int handle, unsigned permissions) {
  if (const int error = injected(Call::SetPermissions)) return error;
  return real_.setPermissions(handle, permissions);
}

int FaultyFileSystem::setOwner(int handle, unsigned owner, unsigned group) {
  if (const int error = injected(Call::SetOwner)) return error;
  return real_.setOwner(handle, owner, group);
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

int FaultyFileSystem::rename(int folder, const std::string& from, const std::string& to) {
  if (const int error = injected(Call::Rename)) return error;
  return real_.rename(folder, from, to);
}

int FaultyFileSystem::remove(int folder, const std::string& name) {
  if (const int error = injected(Call::Remove)) return error;
  return real_.remove(folder, name);
}

}  // namespace tarnolo
