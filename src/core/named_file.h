// The file dialog of a case named before the window opened: on the command line.
#pragma once

#include <string>
#include <utility>

#include "core/case_file.h"

namespace tarnolo {

// Runs without asking and gives the name it was made with, unchanged (no extension added).
class NamedFile : public FileDialog {
 public:
  explicit NamedFile(std::string name) : name_(std::move(name)) {}
  void clearFileName() override {}
  bool execute() override { return true; }
  std::string fileName() const override { return name_; }

 private:
  std::string name_;
};

}  // namespace tarnolo
