// The file system of the case commands on POSIX, and a stand-in that injects faults into it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/case_file.h"

namespace tarnolo {

// A temporary file is made without a name where the file system allows it, and linked under
// its name when it is closed: a program killed while it writes leaves nothing behind.
class PosixFileSystem : public FileSystem {
 public:
  int inspect(const std::string& path, Info& info) override;
  int readLink(const std::string& path, std::string& target) override;
  int open(const std::string& path, int& handle) override;
  int status(int handle, Kind& kind, unsigned& permissions) override;
  int openFolder(const std::string& path, int& handle) override;
  int createTemporary(int folder, std::string& name, int& handle) override;
  int setPermissions(int handle, unsigned permissions) override;
  int setOwner(int handle, unsigned owner, unsigned group) override;
  int read(int handle, uint8_t* buffer, size_t size, size_t& done) override;
  int write(int handle, const uint8_t* bytes, size_t size, size_t& done) override;
  int sync(int handle) override;
  int close(int handle) override;
  int rename(int folder, const std::string& from, const std::string& to) override;
  int remove(int folder, const std::string& name) override;
  bool isFolder(const std::string& path) override;

 private:
  struct Unnamed {
    int folder;
    std::string name;
  };
  std::map<int, Unnamed> unnamed_;  // by handle: temporary files not linked yet
};

// Passes every call on to another file system, except the faults armed on it: a call that fails
// with a chosen error, or a disk that fills up. Counts the handles left open.
class FaultyFileSystem : public FileSystem {
 public:
  // Open stands for every call that opens or creates: open, openFolder, createTemporary.
  enum class Call {
    Open,
    Status,
    SetPermissions,
    Read,
    Write,
    Sync,
    Close,
    Rename,
    Remove,
    Inspect,
    ReadLink,
    SetOwner,
  };

  explicit FaultyFileSystem(FileSystem& real) : real_(real) {}

  // The call of that kind after skip more of them reports error. It does nothing, except a
  // close, which still closes.
  void failOn(Call call, int error, int skip = 0);
  // From now on, writes put at most bytes in all: the write that reaches the limit is short,
  // every later one reports ENOSPC.
  void setFreeSpace(size_t bytes) { freeSpace_ = bytes; }
  // Disarms every fault; the disk has room again.
  void clear();
  // Handles opened through this file system and not closed yet.
  size_t openHandles() const { return handles_.size(); }

  int inspect(const std::string& path, Info& info) override;
  int readLink(const std::string& path, std::string& target) override;
  int open(const std::string& path, int& handle) override;
  int status(int handle, Kind& kind, unsigned& permissions) override;
  int openFolder(const std::string& path, int& handle) override;
  int createTemporary(int folder, std::string& name, int& handle) override;
  int setPermissions(int handle, unsigned permissions) override;
  int setOwner(int handle, unsigned owner, unsigned group) override;
  int read(int handle, uint8_t* buffer, size_t size, size_t& done) override;
  int write(int handle, const uint8_t* bytes, size_t size, size_t& done) override;
  int sync(int handle) override;
  int close(int handle) override;
  int rename(int folder, const std::string& from, const std::string& to) override;
  int remove(int folder, const std::string& name) override;
  bool isFolder(const std::string& path) override { return real_.isFolder(path); }

 private:
  struct Fault {
    Call call;
    int error;
    int skip;
  };
  // The error armed for this call, or 0 when it may go on.
  int injected(Call call);

  FileSystem& real_;
  std::vector<Fault> faults_;
  size_t freeSpace_ = SIZE_MAX;
  std::set<int> handles_;
};

}  // namespace tarnolo
