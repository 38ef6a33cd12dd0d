// The case file: one 16-byte record of four counts; the Open, Save and New commands behind two
// seams that the window implements, the file dialogs and the file system.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/case_state.h"
#include "core/failures.h"
#include "core/view.h"

namespace tarnolo {

// The four counts in the order of the file: vp, fp, vn, fn (not the order of the table).
struct CaseRecord {
  int32_t vp = 0, fp = 0, vn = 0, fn = 0;
  bool operator==(const CaseRecord&) const = default;
};

inline constexpr size_t kRecordSize = 16;
using RecordBytes = std::array<uint8_t, kRecordSize>;

// Four signed 32-bit fields, little-endian two's complement on any host, no header:
// {vp 10, fp 20, vn 65, fn 5} <-> 0A 00 00 00 14 00 00 00 41 00 00 00 05 00 00 00.
RecordBytes encodeRecord(const CaseRecord& record);
CaseRecord decodeRecord(const RecordBytes& bytes);

// A modal file dialog (OpenDialog1, SaveDialog1) with the one filter "Archivos ROC|*.ROC". It
// neither checks that the file exists nor asks before one is replaced.
class FileDialog {
 public:
  virtual ~FileDialog() = default;
  virtual void clearFileName() = 0;
  // Runs the dialog modally: true when the user chose a name, false when cancelled.
  virtual bool execute() = 0;
  // The chosen name, with the default extension added to a name typed without one.
  virtual std::string fileName() const = 0;
};

// A name typed without extension gets ".ROC": "caso" -> "caso.ROC", "v1.2/caso" -> "v1.2/caso.ROC",
// "caso.txt" -> "caso.txt".
std::string withDefaultExtension(const std::string& typed);

// The calls the case commands make on files. Every call returns 0 or the system's error number
// (an errno value) and never throws. A handle is a file or a folder opened by these calls.
class FileSystem {
 public:
  enum class Kind { Regular, Folder, Other };
  // What is found at a path, following symbolic links.
  struct Info {
    Kind kind = Kind::Other;
    unsigned permissions = 0;
    unsigned owner = 0, group = 0;
    bool writable = false;  // this process may write it
  };

  virtual ~FileSystem() = default;
  // Looks at path without opening it: a device or a FIFO is not touched.
  virtual int inspect(const std::string& path, Info& info) = 0;
  // The text of the symbolic link at path; EINVAL when path is no link.
  virtual int readLink(const std::string& path, std::string& target) = 0;
  // Opens an existing file for reading only; never blocks, also not on a FIFO or a device.
  virtual int open(const std::string& path, int& handle) = 0;
  virtual int status(int handle, Kind& kind, unsigned& permissions) = 0;
  // Opens a folder, for the calls below that name a file inside it.
  virtual int openFolder(const std::string& path, int& handle) = 0;
  // Creates a new file for writing in the folder, exclusively, under a short name that cannot be
  // foretold and that no file has yet; name is that name, which the file has once it is closed
  // (it may have none before).
  virtual int createTemporary(int folder, std::string& name, int& handle) = 0;
  virtual int setPermissions(int handle, unsigned permissions) = 0;
  virtual int setOwner(int handle, unsigned owner, unsigned group) = 0;
  // done < size with 0 returned: the end of the file.
  virtual int read(int handle, uint8_t* buffer, size_t size, size_t& done) = 0;
  virtual int write(int handle, const uint8_t* bytes, size_t size, size_t& done) = 0;
  // Flushes a file's data, or a folder's entries, to the disk.
  virtual int sync(int handle) = 0;
  virtual int close(int handle) = 0;
  // Replaces to by from, both in the folder, in one step.
  virtual int rename(int folder, const std::string& from, const std::string& to) = 0;
  virtual int remove(int folder, const std::string& name) = 0;
  virtual bool isFolder(const std::string& path) = 0;
};

// The I/O failure of a system error: ENOENT 2, or 3 when a folder of the path is missing;
// ENOTDIR 3; EMFILE, ENFILE 4; EACCES, EPERM, EROFS and, for what is no plain file, EISDIR,
// ENXIO 5; ENOSPC, EDQUOT 101; any other N "I/O error N" with code N (also EIO, 5).
Failure fileFailure(int error, bool folderMissing);

// The first 16 bytes of an existing plain file. Its kind is checked before it is opened, and it
// is opened for reading only, so nothing else is touched; a file this process may not write is
// refused all the same, as Open always did. Raises InOutError: 5 for a folder, a FIFO, a device
// or a read-only file, 100 for a file of fewer than 16 bytes, or as fileFailure says.
CaseRecord readCaseFile(FileSystem& files, const std::string& path);

// Leaves exactly the 16 bytes of record at path, as saveWhole in core/safe_save.h does.
void writeCaseFile(FileSystem& files, const std::string& path, const CaseRecord& record);

// Leaves exactly bytes at path: saveWhole in core/safe_save.h.
void writeWholeFile(FileSystem& files, const std::string& path, std::string_view bytes);

// Open: asks for a name, reads the record into VP, FP, VN, FN and runs CalcularTabla. A cancelled
// dialog or a failed read changes nothing.
void AbrirCaso(CaseState& state, View& view, FileDialog& dialog, FileSystem& files);

// Save: asks for a name and writes the counts of the last calculation (not the typed ones).
void GuardarCaso(const CaseState& state, FileDialog& dialog, FileSystem& files);

// New: empties the count and total cells and disables bayesboton. The case state, the results
// and the sliders stay.
void NuevoCaso(View& view);

}  // namespace tarnolo
