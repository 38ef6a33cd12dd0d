// A temporary folder of case files of every kind a user may pick (good, short, long, empty,
// unreadable, a FIFO, a folder, a link loop) and a record of what it holds, to tell what changed.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

struct FolderEntry {
  std::filesystem::file_type type = std::filesystem::file_type::none;
  unsigned mode = 0;
  std::string bytes;      // a regular file's contents, when this process can read it
  bool readable = false;  // a regular file this process can open for reading and writing
  bool operator==(const FolderEntry&) const = default;
};

using FolderRecord = std::map<std::string, FolderEntry>;

class CaseFolder {
 public:
  // The names of the files made at start; the user may also pick names that do not exist.
  static inline const char* const kNames[] = {"bueno.ROC", "corto.ROC",   "largo.ROC",
                                              "vacio.ROC", "cerrado.ROC", "bucle.ROC",
                                              "tubo.ROC",  "carpeta.ROC"};

  CaseFolder() {
    for (const char* name : kNames) make(name);
  }

  // Makes the file of that name as it was at start, in place of what a Save left there.
  void make(const std::string& name) {
    const std::string worked("\x06\0\0\0\x03\0\0\0\x0a\0\0\0\x01\0\0\0", 16);
    std::filesystem::remove(path(name));
    if (name == "bueno.ROC") write(name, worked);
    if (name == "corto.ROC") write(name, worked.substr(0, 7));
    if (name == "largo.ROC") write(name, worked + std::string(64 * 1024, '\x7f'));
    if (name == "vacio.ROC") write(name, "");
    if (name == "cerrado.ROC") {
      write(name, worked);
      ::chmod(path(name).c_str(), 0);  // unreadable, but to root
    }
    if (name == "bucle.ROC") std::filesystem::create_symlink(name, path(name));  // for all
    if (name == "tubo.ROC") ::mkfifo(path(name).c_str(), 0644);
    if (name == "carpeta.ROC") std::filesystem::create_directory(path(name));
  }

  bool isValid() const { return m_dir.isValid(); }
  std::string path(const std::string& name) const {
    return m_dir.path().toStdString() + "/" + name;
  }

  // Every entry, hidden ones too; a link is recorded as a link, a FIFO is never opened.
  FolderRecord record() const {
    FolderRecord entries;
    for (const auto& item : std::filesystem::directory_iterator(m_dir.path().toStdString())) {
      FolderEntry e;
      const auto status = std::filesystem::symlink_status(item.path());
      e.type = status.type();
      e.mode = static_cast<unsigned>(status.permissions());
      if (e.type == std::filesystem::file_type::regular) {
        e.readable = ::access(item.path().c_str(), R_OK | W_OK) == 0;
        std::ifstream in(item.path(), std::ios::binary);
        e.bytes.assign(std::istreambuf_iterator<char>(in), {});
      }
      entries[item.path().filename().string()] = e;
    }
    return entries;
  }

 private:
  void write(const std::string& name, const std::string& bytes) {
    std::ofstream(path(name), std::ios::binary) << bytes;
  }

  QTemporaryDir m_dir;
};
