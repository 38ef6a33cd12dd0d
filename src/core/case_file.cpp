// The case file and the case commands.
#include "core/case_file.h"

#include <cerrno>

#include "core/control_names.h"
#include "core/number_text.h"
#include "core/safe_save.h"
#include "core/two_by_two.h"

namespace tarnolo {

namespace {

using namespace names;

void putField(uint8_t* at, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(bits >> (8 * i));
}

int32_t getField(const uint8_t* at) {
  uint32_t bits = 0;
  for (int i = 0; i < 4; ++i) bits |= uint32_t{at[i]} << (8 * i);
  return static_cast<int32_t>(bits);
}

// Raises 5 unless the handle is a plain file.
void requirePlainFile(FileSystem& files, int handle, const std::string& path) {
  FileSystem::Kind kind = FileSystem::Kind::Other;
  unsigned permissions = 0;
  if (const int error = files.status(handle, kind, permissions)) raiseFileError(files, error, path);
  if (kind != FileSystem::Kind::Regular) raiseInOut(5);
}

void readRecord(FileSystem& files, int handle, const std::string& path, RecordBytes& bytes) {
  size_t got = 0;
  while (got < bytes.size()) {
    size_t done = 0;
    const int error = files.read(handle, bytes.data() + got, bytes.size() - got, done);
    if (error == EINTR) continue;
    if (error) raiseFileError(files, error, path);
    if (done == 0) raiseInOut(100);
    got += done;
  }
}

}  // namespace

RecordBytes encodeRecord(const CaseRecord& record) {
  RecordBytes bytes{};
  putField(&bytes[0], record.vp);
  putField(&bytes[4], record.fp);
  putField(&bytes[8], record.vn);
  putField(&bytes[12], record.fn);
  return bytes;
}

CaseRecord decodeRecord(const RecordBytes& bytes) {
  return {getField(&bytes[0]), getField(&bytes[4]), getField(&bytes[8]), getField(&bytes[12])};
}

std::string withDefaultExtension(const std::string& typed) {
  const size_t slash = typed.find_last_of('/');
  const size_t dot = typed.find('.', slash == std::string::npos ? 0 : slash + 1);
  return dot == std::string::npos ? typed + ".ROC" : typed;
}

Failure fileFailure(int error, bool folderMissing) {
  int code = error;
  switch (error) {
    case ENOENT:
      code = folderMissing ? 3 : 2;
      break;
    case ENOTDIR:
      code = 3;
      break;
    case EMFILE:
    case ENFILE:
      code = 4;
      break;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ENXIO:
      code = 5;
      break;
    case ENOSPC:
    case EDQUOT:
      code = 101;
      break;
    default:
      // The system's own number, also where it equals one of the codes above (EIO is 5).
      return Failure(FailureKind::InOutError, "I/O error " + std::to_string(error), error);
  }
  return Failure(FailureKind::InOutError, inOutMessage(code), code);
}

CaseRecord readCaseFile(FileSystem& files, const std::string& path) {
  FileSystem::Info info;
  if (const int error = files.inspect(path, info)) raiseFileError(files, error, path);
  if (info.kind != FileSystem::Kind::Regular || !info.writable) raiseInOut(5);
  int handle = -1;
  if (const int error = files.open(path, handle)) raiseFileError(files, error, path);
  OpenFile file(files, handle);
  // The file may have been replaced since it was looked at.
  requirePlainFile(files, handle, path);
  RecordBytes bytes{};
  readRecord(files, handle, path, bytes);
  return decodeRecord(bytes);
}

void writeCaseFile(FileSystem& files, const std::string& path, const CaseRecord& record) {
  const RecordBytes bytes = encodeRecord(record);
  writeWholeFile(files, path,
                 std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

void writeWholeFile(FileSystem& files, const std::string& path, std::string_view bytes) {
  saveWhole(files, path, bytes);
}

void AbrirCaso(CaseState& state, View& view, FileDialog& dialog, FileSystem& files) {
  dialog.clearFileName();
  if (!dialog.execute()) return;
  const CaseRecord record = readCaseFile(files, dialog.fileName());
  view.setText(kVP, IntegerToText(record.vp));
  view.setText(kFP, IntegerToText(record.fp));
  view.setText(kVN, IntegerToText(record.vn));
  view.setText(kFN, IntegerToText(record.fn));
  CalcularTabla(state, view);
}

void GuardarCaso(const CaseState& state, FileDialog& dialog, FileSystem& files) {
  dialog.clearFileName();
  if (!dialog.execute()) return;
  writeCaseFile(files, dialog.fileName(), {state.vp, state.fp, state.vn, state.fn});
}

void NuevoCaso(View& view) {
  for (auto cell : {kVP, kFP, kVN, kFN, kPositivos, kNegativos, kSanos, kEnfermos, kTotal})
    view.setText(cell, "");
  view.setEnabled(kBayes, false);
}

}  // namespace tarnolo
