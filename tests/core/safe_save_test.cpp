// Saving over links, over other users' files, beside long and crowded paths; Open touching only
// what it reads.
#include "core/safe_save.h"

#include <gtest/gtest.h>
#include <limits.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/case_file.h"
#include "core/posix_files.h"
#include "core/session.h"
#include "core/text_file.h"
#include "session_helpers.h"
#include "test_folder.h"

namespace tarnolo {
namespace {

namespace fs = std::filesystem;
using namespace test;
using Call = FaultyFileSystem::Call;

const Bytes kOld(40, 0xEE);
const Bytes kCase = {6, 0, 0, 0, 3, 0, 0, 0, 10, 0, 0, 0, 1, 0, 0, 0};
const std::string kText = "Índice;Valor\n";

struct LinkCase {
  const char* name;
  const char* link;    // the name saved to, "l.ROC"
  const char* target;  // what the link says
  const char* file;    // the file that must hold the bytes
  bool fileExists;
};

const LinkCase kLinks[] = {
    {"relative link", "l.ROC", "c.ROC", "c.ROC", true},
    {"link into a subfolder", "l.ROC", "sub/c.ROC", "sub/c.ROC", true},
    {"link back out of a subfolder", "sub/l.ROC", "../c.ROC", "c.ROC", true},
    {"dangling link", "l.ROC", "nuevo.ROC", "nuevo.ROC", false},
    {"link to a link", "l.ROC", "m.ROC", "c.ROC", true},  // m.ROC -> c.ROC
};

TEST(SaveWhole, WritesThroughSymbolicLinksAndKeepsThem) {  // issue 13
  for (const LinkCase& c : kLinks) {
    SCOPED_TRACE(c.name);
    Folder folder;
    fs::create_directory(folder / "sub");
    if (c.fileExists) writeFile(folder / c.file, kOld);
    fs::create_symlink("c.ROC", folder / "m.ROC");
    fs::create_symlink(c.target, folder / c.link);
    PosixFileSystem files;
    saveWhole(files, folder / c.link, kText);
    EXPECT_TRUE(fs::is_symlink(folder / c.link));
    EXPECT_EQ(readFile(folder / c.file), Bytes(kText.begin(), kText.end()));
    EXPECT_EQ(readFile(folder / c.link), Bytes(kText.begin(), kText.end()));
  }
}

TEST(SaveWhole, ALoopOfLinksIsRefused) {
  Folder folder;
  fs::create_symlink("b.ROC", folder / "a.ROC");
  fs::create_symlink("a.ROC", folder / "b.ROC");
  EXPECT_THROW(writeTextFile(folder / "a.ROC", kText), Failure);
  EXPECT_EQ(folder.names(), (std::vector<std::string>{"a.ROC", "b.ROC"}));
}

struct OwnerCase {
  const char* name;
  bool asRoot;
  uid_t owner;
  unsigned mode;
};

// The group is the owner's number too: 65534 is nogroup.
const OwnerCase kOwners[] = {
    {"root saves another user's case", true, kNobody, 0640},
    {"root keeps odd permissions", true, kNobody, 0604},
    {"the owner keeps the permissions", false, kNobody, 0600},
};

TEST(SaveWhole, KeepsTheOwnerGroupAndPermissionsOfTheFileReplaced) {  // issue 13
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to hand files to another user";
  for (const OwnerCase& c : kOwners) {
    SCOPED_TRACE(c.name);
    Folder folder;
    const std::string path = folder / "c.ROC";
    writeFile(path, kOld);
    ASSERT_EQ(::chown(path.c_str(), c.owner, c.owner), 0);
    ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
    {
      std::optional<Unprivileged> user;
      if (!c.asRoot) user.emplace();
      writeTextFile(path, kText);
    }
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, c.owner);
    EXPECT_EQ(st.st_gid, c.owner);
    EXPECT_EQ(st.st_mode & 07777, c.mode);
    EXPECT_EQ(readFile(path), Bytes(kText.begin(), kText.end()));
  }
}

// A path of exactly length characters in folder, made of nested folders of 200 characters.
std::string longPath(const Folder& folder, size_t length) {
  std::string path = folder / "";
  while (path.size() + 201 + 10 < length) {
    path += std::string(200, 'd');
    fs::create_directory(path);
    path += '/';
  }
  return path + std::string(length - path.size() - 4, 'c') + ".ROC";
}

TEST(SaveWhole, SavesWhereverTheNameItselfFits) {  // issue 13: "I/O error 36."
  for (size_t length : {size_t{PATH_MAX - 1}, size_t{PATH_MAX - 20}}) {
    SCOPED_TRACE(length);
    Folder folder;
    const std::string path = longPath(folder, length);
    ASSERT_EQ(path.size(), length);
    writeTextFile(path, kText);
    writeTextFile(path, kText);  // and over the file just made
    EXPECT_EQ(readFile(path), Bytes(kText.begin(), kText.end()));
  }
}

TEST(SaveWhole, TemporaryNamesAreShortAndCannotBeForeseen) {  // issue 13: "I/O error 17."
  Folder folder;
  // What the fixed names of old left behind, or another user placed there.
  for (int n = 0; n < 1000; ++n)
    writeFile(folder / (".tarnolo-guardar-" + std::to_string(n) + ".tmp"), {});
  writeTextFile(folder / "c.csv", kText);
  EXPECT_EQ(readFile(folder / "c.csv"), Bytes(kText.begin(), kText.end()));
  EXPECT_EQ(folder.names().size(), 1001u);

  PosixFileSystem files;
  int dir = -1;
  ASSERT_EQ(files.openFolder(folder / "", dir), 0);
  std::string names[2];
  for (std::string& name : names) {
    int file = -1;
    ASSERT_EQ(files.createTemporary(dir, name, file), 0);
    files.close(file);
    EXPECT_EQ(name.rfind(".tarnolo-", 0), 0u) << name;
    EXPECT_LE(name.size(), 17u) << name;
  }
  files.close(dir);
  EXPECT_NE(names[0], names[1]);
}

// Issue 13: a save killed midway left its temporary file behind.
TEST(SaveWhole, ASaveKilledWhileWritingLeavesNothingBehind) {
  Folder folder;
  writeFile(folder / "c.ROC", kCase);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    PosixFileSystem files;
    int dir = -1, file = -1;
    std::string name;
    size_t done = 0;
    if (files.openFolder(folder / "", dir) == 0 && files.createTemporary(dir, name, file) == 0)
      files.write(file, kCase.data(), kCase.size(), done);
    ::raise(SIGKILL);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(folder.names(), std::vector<std::string>{"c.ROC"});
}

TEST(SaveWhole, TheFolderIsFlushedAfterTheRename) {  // issue 13
  Folder folder;
  ModelSession s;
  // The first flush is the new file's, the second the folder's.
  s.files.failOn(Call::Sync, EIO, 1);
  run(s, "save " + folder / "c.ROC\n");
  EXPECT_EQ(errors(s), std::vector<std::string>{"I/O error 5."});
  EXPECT_EQ(s.files.openHandles(), 0u);
}

struct TouchCase {
  const char* name;
  enum { File, ReadOnlyFile, Fifo, Folder } thing;
  const char* error;  // "" when the case opens
  uint32_t events;    // what the file may see of it
};

const TouchCase kTouches[] = {
    {"a case", TouchCase::File, "", IN_OPEN | IN_ACCESS | IN_CLOSE_NOWRITE},
    {"a read-only case", TouchCase::ReadOnlyFile, "File access denied.", 0},
    // A FIFO stands for any special file with an effect on whoever opens it.
    {"a FIFO", TouchCase::Fifo, "File access denied.", 0},
    {"a folder", TouchCase::Folder, "File access denied.", 0},
};

uint32_t eventsSeen(int watch) {
  uint32_t seen = 0;
  alignas(inotify_event) char buffer[4096];
  for (ssize_t n; (n = ::read(watch, buffer, sizeof buffer)) > 0;) {
    for (char* at = buffer; at < buffer + n;) {
      const auto* event = reinterpret_cast<const inotify_event*>(at);
      seen |= event->mask;
      at += sizeof(inotify_event) + event->len;
    }
  }
  return seen;
}

TEST(AbrirCaso, TouchesOnlyAPlainFileAndOnlyToReadIt) {  // issue 13
  for (const TouchCase& c : kTouches) {
    SCOPED_TRACE(c.name);
    Folder folder;
    const std::string path = folder / "x.ROC";
    if (c.thing == TouchCase::Fifo) ::mkfifo(path.c_str(), 0666);
    if (c.thing == TouchCase::Folder) fs::create_directory(path);
    if (c.thing == TouchCase::File || c.thing == TouchCase::ReadOnlyFile) writeFile(path, kCase);
    ::chmod(path.c_str(), c.thing == TouchCase::ReadOnlyFile ? 0444 : 0666);
    ModelSession s;
    Unprivileged user;
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(::inotify_add_watch(watch, path.c_str(), IN_ALL_EVENTS), 0);
    run(s, "open " + path + "\n");
    EXPECT_EQ(errors(s), *c.error ? std::vector<std::string>{c.error} : std::vector<std::string>{});
    EXPECT_EQ(eventsSeen(watch) & IN_ALL_EVENTS, c.events);
    ::close(watch);
  }
}

// The system would read such a name only up to the NUL: "x.ROC\0y" would be "x.ROC".
TEST(FileNames, ANameWithANulCharacterNamesNoFile) {
  Folder folder;
  writeFile(folder / "x.ROC", kCase);
  const std::string name = folder / "x.ROC" + std::string(1, '\0') + "y";
  PosixFileSystem files;
  const std::function<void()> uses[] = {
      [&] { readCaseFile(files, name); },
      [&] { saveWhole(files, name, kText); },
  };
  for (const auto& use : uses) {
    try {
      use();
      ADD_FAILURE() << "used " << folder / "x.ROC";
    } catch (const Failure& failure) {
      EXPECT_EQ(failure.code(), EINVAL);
    }
  }
  EXPECT_EQ(readFile(folder / "x.ROC"), kCase);
  EXPECT_EQ(folder.names(), std::vector<std::string>{"x.ROC"});
}

}  // namespace
}  // namespace tarnolo
