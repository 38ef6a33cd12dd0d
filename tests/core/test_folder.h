// A fresh folder for one test, whole-file reads and writes, and running as an ordinary user.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tarnolo::test {

using Bytes = std::vector<uint8_t>;

// A fresh folder for one test, removed with everything in it.
class Folder {
 public:
  Folder() {
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "tarnolo-test-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
    fs::permissions(path_, fs::perms::all);  // open also to the unprivileged user below
  }
  ~Folder() { std::filesystem::remove_all(path_); }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }
  std::vector<std::string> names() const {
    std::vector<std::string> list;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
      list.push_back(entry.path().filename().string());
    std::sort(list.begin(), list.end());
    return list;
  }

 private:
  std::filesystem::path path_;
};

inline void writeFile(const std::string& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

inline Bytes readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

// The uid of the ordinary user the tests become when they run as root.
inline constexpr uid_t kNobody = 65534;

// Runs as an ordinary user and group while it lives, so that permissions count when the tests
// run as root. Must be made after the Folder, so that root removes it.
class Unprivileged {
 public:
  Unprivileged()
      : dropped_(::geteuid() == 0 && ::setegid(kNobody) == 0 && ::seteuid(kNobody) == 0) {}
  ~Unprivileged() {
    if (dropped_) {
      EXPECT_EQ(::seteuid(0), 0);
      EXPECT_EQ(::setegid(0), 0);
    }
  }
  Unprivileged(const Unprivileged&) = delete;
  Unprivileged& operator=(const Unprivileged&) = delete;
  bool ok() const { return dropped_ || ::geteuid() != 0; }

 private:
  bool dropped_;
};

}  // namespace tarnolo::test
