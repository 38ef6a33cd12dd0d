// Loading the output module. It is looked for in the program's own library path (its RUNPATH,
// with $ORIGIN resolved: the installed program's private folder, or the build tree's for the
// tests built here), each folder named in full: a bare name would be searched for in the path
// of whoever calls dlopen, which a sanitizer's runtime, intercepting it, becomes.
#include <dlfcn.h>

#include <QCoreApplication>
#include <QFile>
#include <cstddef>
#include <vector>

#include "salida/output_module.h"

namespace tarnolo {

namespace {

constexpr const char* kModuleFile = "libtarnolo-salida.so";

// The folders that the dynamic loader searches for the program's own libraries, in its order.
std::vector<std::string> programLibraryPath() {
  std::vector<std::string> folders;
  void* program = dlopen(nullptr, RTLD_LAZY);
  Dl_serinfo size{};
  if (!program || dlinfo(program, RTLD_DI_SERINFOSIZE, &size) != 0) return folders;
  std::vector<std::max_align_t> buffer(size.dls_size / sizeof(std::max_align_t) + 1);
  auto* info = reinterpret_cast<Dl_serinfo*>(buffer.data());
  if (dlinfo(program, RTLD_DI_SERINFOSIZE, info) != 0 ||
      dlinfo(program, RTLD_DI_SERINFO, info) != 0)
    return folders;
  for (unsigned i = 0; i < info->dls_cnt; ++i) folders.emplace_back(info->dls_serpath[i].dls_name);
  return folders;
}

void* openModule(std::string& why) {
  std::vector<std::string> candidates;
  for (const std::string& folder : programLibraryPath())
    if (!folder.empty()) candidates.push_back(folder + '/' + kModuleFile);
  // The program in the build tree has no library path of its own (the build tree's would end
  // in an empty entry, the working folder): it keeps the module in lib/tarnolo beside itself.
  candidates.push_back(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString() +
                       "/lib/tarnolo/" + kModuleFile);
  for (const std::string& path : candidates) {
    if (void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) return handle;
    if (QFile::exists(QFile::decodeName(path.c_str()))) {
      why = dlerror();  // there, but it does not load
      return nullptr;
    }
  }
  why = std::string(kModuleFile) + ": not found in the program's library path";
  return nullptr;
}

}  // namespace

OutputModule* outputModule(std::string* why) {
  static OutputModule* module = nullptr;
  if (module) return module;
  std::string failure;
  void* handle = openModule(failure);
  if (!handle) {
    if (why) *why = failure;
    return nullptr;
  }
  auto* entry = reinterpret_cast<OutputModule* (*)()>(dlsym(handle, "tarnoloOutputModule"));
  if (!entry) {
    if (why) *why = std::string(kModuleFile) + ": no entry point";
    dlclose(handle);
    return nullptr;
  }
  module = entry();  // the module stays loaded for the rest of the run
  return module;
}

PrintOutcome printPages(QWidget* parent, const PrintJob& job, const DialogHook& hook,
                        const PagePainter& paint) {
  OutputModule* module = outputModule();
  return module ? module->print(parent, job, hook, paint) : PrintOutcome::Failed;
}

}  // namespace tarnolo
