// The case file and the case commands: the record's bytes, what Open and Save meet in a real
// folder, faults injected into the file system, and New.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/case_file.h"
#include "core/control_names.h"
#include "core/session.h"
#include "session_helpers.h"
#include "test_folder.h"

namespace tarnolo {
namespace {

namespace fs = std::filesystem;
using namespace names;
using namespace test;
using Call = FaultyFileSystem::Call;

// {vp 10, fp 20, fn 5, vn 65} as the file holds it: vp, fp, vn, fn.
const Bytes kExample = {0x0A, 0, 0, 0, 0x14, 0, 0, 0, 0x41, 0, 0, 0, 0x05, 0, 0, 0};

TEST(CaseRecord, FieldsAreLittleEndianInFileOrder) {
  const std::pair<CaseRecord, Bytes> records[] = {
      {{10, 20, 65, 5}, kExample},
      {{-1, INT32_MIN, INT32_MAX, 0x01020304},
       {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80, 0xFF, 0xFF, 0xFF, 0x7F, 4, 3, 2, 1}}};
  for (const auto& [record, bytes] : records) {
    SCOPED_TRACE(record.vp);
    const RecordBytes encoded = encodeRecord(record);
    EXPECT_EQ(Bytes(encoded.begin(), encoded.end()), bytes);
    RecordBytes raw{};
    std::copy(bytes.begin(), bytes.end(), raw.begin());
    EXPECT_EQ(decodeRecord(raw), record);
  }
}

TEST(FileDialog, AddsTheDefaultExtensionToANameWithout) {
  const std::pair<const char*, const char*> names[] = {
      {"caso", "caso.ROC"}, {"caso.txt", "caso.txt"}, {"v1.2/caso", "v1.2/caso.ROC"}};
  for (const auto& [typed, chosen] : names) EXPECT_EQ(withDefaultExtension(typed), chosen);
}

struct ErrorCase {
  int error;
  bool folderMissing;
  int code;
  const char* message;
};

const ErrorCase kErrors[] = {
    {ENOENT, false, 2, "File not found"},
    {ENOENT, true, 3, "Invalid filename"},
    {ENOTDIR, false, 3, "Invalid filename"},
    {EMFILE, false, 4, "Too many open files"},
    {ENFILE, false, 4, "Too many open files"},
    {EACCES, false, 5, "File access denied"},
    {EROFS, false, 5, "File access denied"},
    {ENOSPC, false, 101, "Disk full"},
    // EIO is 5 on Linux, but it is no denial of access.
    {EIO, false, EIO, "I/O error 5"},
    {EBUSY, false, EBUSY, "I/O error 16"},
};

TEST(FileFailure, MapsSystemErrorsToTheirMessages) {
  for (const ErrorCase& c : kErrors) {
    SCOPED_TRACE(c.message);
    const Failure failure = fileFailure(c.error, c.folderMissing);
    EXPECT_EQ(failure.code(), c.code);
    EXPECT_STREQ(failure.what(), c.message);
  }
}

constexpr auto kReadOnly = fs::perms::owner_read | fs::perms::others_read;

// What a test finds at "x.ROC" in its folder.
enum class Thing { Nothing, Empty, Bytes15, Example, ReadOnlyFile, Folder, ReadOnlyFolder, Fifo };

void make(Thing thing, const std::string& path) {
  switch (thing) {
    case Thing::Nothing:
      break;
    case Thing::Empty:
      writeFile(path, {});
      break;
    case Thing::Bytes15:
      writeFile(path, Bytes(15, 7));
      break;
    case Thing::Example:
      writeFile(path, kExample);
      break;
    case Thing::ReadOnlyFile:
      writeFile(path, kExample);
      fs::permissions(path, kReadOnly);
      break;
    case Thing::Folder:
      fs::create_directory(path);
      break;
    case Thing::ReadOnlyFolder:
      fs::create_directory(path);
      fs::permissions(path, kReadOnly | fs::perms::owner_exec | fs::perms::others_exec);
      break;
    case Thing::Fifo:
      ::mkfifo(path.c_str(), 0666);
      break;
  }
}

const char kCalculated[] = "set VP 6\nset FP 3\nset FN 1\nset VN 10\nclick BitBtn6\n";

struct RefusedCase {
  const char* name;
  Thing thing;
  const char* chosen;
  const char* error;
};

const RefusedCase kRefusedOpens[] = {
    {"empty file", Thing::Empty, "x.ROC", "Read beyond end of file."},
    {"15 bytes", Thing::Bytes15, "x.ROC", "Read beyond end of file."},
    {"missing file", Thing::Nothing, "x.ROC", "File not found."},
    {"missing folder", Thing::Nothing, "x.ROC/c.ROC", "Invalid filename."},
    {"a file as folder", Thing::Example, "x.ROC/c.ROC", "Invalid filename."},
    {"read-only file", Thing::ReadOnlyFile, "x.ROC", "File access denied."},  // asks to write
    {"a folder", Thing::Folder, "x.ROC", "File access denied."},
    // Reading a FIFO without a writer would wait forever.
    {"a FIFO", Thing::Fifo, "x.ROC", "File access denied."},
};

TEST(AbrirCaso, ARefusedFileChangesNothing) {
  for (const RefusedCase& c : kRefusedOpens) {
    SCOPED_TRACE(c.name);
    Folder folder;
    Unprivileged user;
    ASSERT_TRUE(user.ok());
    make(c.thing, folder / "x.ROC");
    ModelSession s;
    run(s, kCalculated);
    const std::vector<std::string> before = textsOf(s);
    run(s, "open " + folder / c.chosen + "\n");
    EXPECT_EQ(errors(s), std::vector<std::string>{c.error});
    EXPECT_EQ(textsOf(s), before);
    EXPECT_EQ(s.files.openHandles(), 0u);
  }
}

TEST(AbrirCaso, RefusesADevice) {
  PosixFileSystem files;
  try {
    readCaseFile(files, "/dev/null");
    ADD_FAILURE() << "read a device";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.code(), 5);
  }
}

struct ReadCase {
  const char* name;
  Bytes bytes;
  const char* controls;
};

const ReadCase kReads[] = {
    {"the example", kExample, "VP=10 FP=20 VN=65 FN=5 total=100 sens=66.6666666666667"},
    {"20 bytes",
     {0x0A, 0, 0, 0, 0x14, 0, 0, 0, 0x41, 0, 0, 0, 5, 0, 0, 0, 9, 9, 9, 9},
     "VP=10 FN=5 total=100"},
    // No range check: the cells take what the file holds, beyond the seven digits of the mask.
    {"negative and huge counts",
     {0xFF, 0xFF, 0xFF, 0xFF, 0x80, 0x96, 0x98, 0, 2, 0, 0, 0, 3, 0, 0, 0},
     "VP=-1 FP=10000000 VN=2 FN=3"},
};

TEST(AbrirCaso, PutsTheFirstSixteenBytesIntoTheCellsAndCalculates) {
  for (const ReadCase& c : kReads) {
    SCOPED_TRACE(c.name);
    Folder folder;
    writeFile(folder / "c.ROC", c.bytes);
    ModelSession s;
    run(s, "open-menu " + folder / "c\n");  // the dialog adds ".ROC"
    expectControls(s, c.controls);
    EXPECT_EQ(readFile(folder / "c.ROC"), c.bytes);
  }
}

const char kExampleCalculated[] = "set VP 10\nset FP 20\nset FN 5\nset VN 65\nclick BitBtn6\n";

const std::pair<std::string, Bytes> kSaves[] = {
    {"", Bytes(16, 0)},
    {kExampleCalculated, kExample},
    // What counts is the last calculation, not what was typed or emptied since.
    {std::string(kExampleCalculated) + "set VP 1\nset VN 2\n", kExample},
    {std::string(kExampleCalculated) + "click BitBtn4\n", kExample},
    {"set total 100\nclick BitBtn1\n", {0, 0, 0, 0, 98, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0}},
};

TEST(GuardarCaso, WritesTheLastCalculatedCountsOverAnyOldFile) {
  for (const auto& [script, bytes] : kSaves) {
    SCOPED_TRACE(script);
    Folder folder;
    writeFile(folder / "c.ROC", Bytes(40, 0xEE));
    ModelSession s;
    run(s, script + "save " + folder / "c\nsave-menu " + folder / "nuevo.ROC\n");
    EXPECT_EQ(readFile(folder / "c.ROC"), bytes);
    EXPECT_EQ(readFile(folder / "nuevo.ROC"), bytes);
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"c.ROC", "nuevo.ROC"}));
    EXPECT_TRUE(errors(s).empty());
  }
}

struct FaultCase {
  const char* name;
  std::function<void(FaultyFileSystem&)> arm;
  const char* error;
};

// Every step of a save can fail; the old case must survive each.
const FaultCase kFaults[] = {
    {"disk full after 10 bytes", [](FaultyFileSystem& f) { f.setFreeSpace(10); }, "Disk full."},
    {"disk full", [](FaultyFileSystem& f) { f.setFreeSpace(0); }, "Disk full."},
    {"no handle left", [](FaultyFileSystem& f) { f.failOn(Call::Open, EMFILE, 1); },
     "Too many open files."},
    {"write error", [](FaultyFileSystem& f) { f.failOn(Call::Write, EIO); }, "I/O error 5."},
    {"flush error", [](FaultyFileSystem& f) { f.failOn(Call::Sync, EIO); }, "I/O error 5."},
    {"close reports no space", [](FaultyFileSystem& f) { f.failOn(Call::Close, ENOSPC); },
     "Disk full."},
    {"rename refused", [](FaultyFileSystem& f) { f.failOn(Call::Rename, EACCES); },
     "File access denied."},
};

TEST(GuardarCaso, AFailedSaveLeavesTheOldFileAsItWas) {
  for (const FaultCase& c : kFaults) {
    SCOPED_TRACE(c.name);
    Folder folder;
    writeFile(folder / "c.ROC", kExample);
    ModelSession s;
    run(s, kCalculated);
    c.arm(s.files);
    run(s, "save " + folder / "c.ROC\n");
    EXPECT_EQ(errors(s), std::vector<std::string>{c.error});
    EXPECT_EQ(readFile(folder / "c.ROC"), kExample);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"c.ROC"});
    EXPECT_EQ(s.files.openHandles(), 0u);
  }
}

const RefusedCase kRefusedSaves[] = {
    {"missing folder", Thing::Nothing, "x.ROC/c.ROC", "Invalid filename."},
    {"read-only folder", Thing::ReadOnlyFolder, "x.ROC/c.ROC", "File access denied."},
    {"read-only file", Thing::ReadOnlyFile, "x.ROC", "File access denied."},
    {"over a folder", Thing::Folder, "x.ROC", "File access denied."},
    // Writing into a FIFO without a reader would wait forever.
    {"onto a FIFO", Thing::Fifo, "x.ROC", "File access denied."},
};

TEST(GuardarCaso, RefusesWhatCannotBeWritten) {
  for (const RefusedCase& c : kRefusedSaves) {
    SCOPED_TRACE(c.name);
    Folder folder;
    Unprivileged user;
    ASSERT_TRUE(user.ok());
    make(c.thing, folder / "x.ROC");
    const std::vector<std::string> before = folder.names();
    ModelSession s;
    run(s, "save " + folder / c.chosen + "\n");
    EXPECT_EQ(errors(s), std::vector<std::string>{c.error});
    EXPECT_EQ(folder.names(), before);
    if (c.thing == Thing::ReadOnlyFile) {
      EXPECT_EQ(readFile(folder / "x.ROC"), kExample);
    }
  }
}

TEST(CaseDialogs, ACancelledDialogDoesNothing) {
  ModelSession s;
  run(s, kCalculated);
  const std::vector<std::string> before = textsOf(s);
  run(s, "cancel-open\ncancel-save\n");
  EXPECT_EQ(textsOf(s), before);
  EXPECT_TRUE(s.model.messages().empty());
  EXPECT_EQ(s.openDialog1.runs() + s.saveDialog1.runs(), 2);
}

// The name box is emptied before each run, whatever was chosen last time.
TEST(CaseDialogs, OpenWithAnEmptyName) {
  Folder folder;
  writeFile(folder / "c.ROC", kExample);
  ModelSession s;
  run(s, "open " + folder / "c.ROC\nopen-menu " + folder / "c.ROC\nsave " + folder / "d\n" +
             "save-menu " + folder / "d\n");
  EXPECT_EQ(s.openDialog1.runs(), 2);
  EXPECT_EQ(s.openDialog1.shownName(), "");
  EXPECT_EQ(s.saveDialog1.shownName(), "");
}

TEST(NuevoCaso, EmptiesTheTableKeepsTheResultsAndOnlyTheButtonShrinks) {
  const std::pair<std::string_view, int32_t> twins[] = {{kNuevo1, 311}, {kNuevo, 105}};
  for (const auto& [control, height] : twins) {
    SCOPED_TRACE(control);
    ModelSession s;
    run(s, kCalculated);
    s.model.userClick(control);
    expectControls(s,
                   "VP= FP= VN= FN= positivos= negativos= SANOS= ENFERMOS= total= "
                   "sens=85.7142857142857 SensGauge=86");
    EXPECT_FALSE(s.model.control(kBayes).enabled);
    EXPECT_EQ(s.state().vp, 6);
    EXPECT_EQ(s.model.clientHeight(), height);
  }
}

}  // namespace
}  // namespace tarnolo
