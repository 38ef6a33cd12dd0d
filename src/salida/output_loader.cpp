// Loading the output module. dlopen is called from the program itself, so that the program's
// own library path (its RUNPATH) finds it: the installed program's private folder, or, for the
// tests built here, the build tree's.
#include <dlfcn.h>

#include <QCoreApplication>
#include <QFile>

#include "salida/output_module.h"

namespace tarnolo {

namespace {

constexpr const char* kModuleFile = "libtarnolo-salida.so";

void* openModule(std::string& why) {
  if (void* handle = dlopen(kModuleFile, RTLD_NOW | RTLD_LOCAL)) return handle;
  why = dlerror();
  // The program in the build tree has no library path of its own (the build tree's would end
  // in an empty entry, the working folder): it keeps the module in lib/tarnolo beside itself.
  const QString beside =
      QCoreApplication::applicationDirPath() + QStringLiteral("/lib/tarnolo/") + kModuleFile;
  return dlopen(QFile::encodeName(beside).constData(), RTLD_NOW | RTLD_LOCAL);
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
