// A file dialog whose user is a script: the tests and tarnolo-replay queue what the user will
// do when the dialog next runs.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <utility>

#include "core/case_file.h"

namespace tarnolo {

class ScriptedDialog : public FileDialog {
 public:
  // At the next run the user types name and confirms it.
  void willChoose(std::string name) { answers_.emplace_back(std::move(name)); }
  // At the next run the user cancels.
  void willCancel() { answers_.emplace_back(std::nullopt); }
  // Drops the answers that no run has taken (the dialog was never opened).
  void forgetAnswers() { answers_.clear(); }

  void clearFileName() override { name_.clear(); }
  // Takes the next answer; with none queued the user closes the dialog, which cancels it.
  bool execute() override {
    ++runs_;
    shownName_ = name_;
    if (answers_.empty() || !answers_.front()) {
      if (!answers_.empty()) answers_.pop_front();
      return false;
    }
    name_ = withDefaultExtension(*answers_.front());
    answers_.pop_front();
    return true;
  }
  std::string fileName() const override { return name_; }

  int runs() const { return runs_; }
  // The name in the name box when the dialog last opened.
  const std::string& shownName() const { return shownName_; }

 private:
  std::deque<std::optional<std::string>> answers_;
  std::string name_, shownName_;
  int runs_ = 0;
};

}  // namespace tarnolo
