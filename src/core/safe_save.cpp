// Replacing a file whole, safely.
#include "core/safe_save.h"

#include <cerrno>
#include <optional>

namespace tarnolo {

namespace {

// Linux follows at most 40 links in one path.
constexpr int kMostLinks = 40;

std::string nameOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void writeBytes(FileSystem& files, int handle, const std::string& path, std::string_view bytes) {
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  size_t put = 0;
  while (put < bytes.size()) {
    size_t done = 0;
    const int error = files.write(handle, data + put, bytes.size() - put, done);
    if (error == EINTR) continue;
    if (error) raiseFileError(files, error, path);
    if (done == 0) raiseInOut(101);
    put += done;
  }
}

// What the file at path is, or nothing when there is none yet. Raises what an overwrite in
// place would meet: 5 for a file that may not be written or is no plain file.
std::optional<FileSystem::Info> replaceable(FileSystem& files, const std::string& path) {
  FileSystem::Info info;
  const int error = files.inspect(path, info);
  if (error == ENOENT && files.isFolder(folderOf(path))) return std::nullopt;
  if (error) raiseFileError(files, error, path);
  if (info.kind != FileSystem::Kind::Regular || !info.writable) raiseInOut(5);
  return info;
}

void fillNewFile(FileSystem& files, OpenFile& file, const std::string& path,
                 const std::optional<FileSystem::Info>& old, std::string_view bytes) {
  // Keeping the old file's owner and permissions is a courtesy: only root may give a file to
  // another user, and a file system may refuse either. The owner goes first, since a change of
  // owner clears the set-user-ID bits.
  if (old) {
    files.setOwner(file.handle(), old->owner, old->group);
    files.setPermissions(file.handle(), old->permissions);
  }
  writeBytes(files, file.handle(), path, bytes);
  if (const int error = files.sync(file.handle())) raiseFileError(files, error, path);
  if (const int error = file.close()) raiseFileError(files, error, path);
}

}  // namespace

std::string folderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

void raiseFileError(FileSystem& files, int error, const std::string& path) {
  throw fileFailure(error, error == ENOENT && !files.isFolder(folderOf(path)));
}

std::string followLinks(FileSystem& files, const std::string& path) {
  std::string current = path;
  for (int hop = 0; hop <= kMostLinks; ++hop) {
    std::string target;
    const int error = files.readLink(current, target);
    // EINVAL: no link; ENOENT and the rest: nothing to follow, the save meets it itself.
    if (error) return current;
    if (target.empty()) throw fileFailure(ENOENT, false);
    if (target.front() == '/' || current.find('/') == std::string::npos)
      current = target;
    else
      current = folderOf(current) + "/" + target;
  }
  throw fileFailure(ELOOP, false);
}

void saveWhole(FileSystem& files, const std::string& named, std::string_view bytes) {
  const std::string path = followLinks(files, named);
  const std::optional<FileSystem::Info> old = replaceable(files, path);
  int folderHandle = -1;
  if (const int error = files.openFolder(folderOf(path), folderHandle))
    raiseFileError(files, error, path);
  OpenFile folder(files, folderHandle);
  std::string temporary;
  int handle = -1;
  if (const int error = files.createTemporary(folder.handle(), temporary, handle))
    raiseFileError(files, error, path);
  try {
    OpenFile file(files, handle);
    fillNewFile(files, file, path, old, bytes);
    if (const int error = files.rename(folder.handle(), temporary, nameOf(path)))
      raiseFileError(files, error, path);
  } catch (...) {
    files.remove(folder.handle(), temporary);
    throw;
  }
  // The new name must reach the disk too; a file system that cannot flush a folder says EINVAL.
  const int error = files.sync(folder.handle());
  if (error && error != EINVAL) raiseFileError(files, error, path);
}

}  // namespace tarnolo
