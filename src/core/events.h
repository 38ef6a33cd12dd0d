// The event table: which handler runs on which event of which control, and the failure guard
// that every delivered event runs under.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarnolo {

enum class Event {
  Click,   // a button or menu item click, a click in the total cell, a radio group's change
  Scroll,  // one scroll notification of a slider
};

// Presents a failure that left a handler: the text of the failure box, full stop included.
using FailureReporter = std::function<void(const std::string& text)>;

// Runs an action so that no exception leaves it: a failure goes to the reporter (one box) and
// the floating-point setting is loaded again. Returns true when the action completed.
bool runGuarded(const std::function<void()>& action, const FailureReporter& report);

class EventTable {
 public:
  using Handler = std::function<void()>;

  void bind(std::string_view control, Event event, Handler handler);
  bool has(std::string_view control, Event event) const;

  // Runs the bound handler, unguarded: a failure leaves invoke. Used where the program itself
  // raises an event (a radio group whose selection the program changes). Nothing bound: nothing.
  void invoke(std::string_view control, Event event) const;

  // A user's event: runs the bound handler under the failure guard. Returns false when the
  // handler failed (the failure has then been reported), true otherwise.
  bool deliver(std::string_view control, Event event) const;

  void setFailureReporter(FailureReporter report) { report_ = std::move(report); }

  // Runs observer after every user's event that deliver runs, once its handler has completed or
  // failed (a failure already reported), also when nothing is bound: a window that shows the
  // state follows it so. Observers run in the order added, each under the failure guard.
  void addDeliveryObserver(Handler observer) { observers_.push_back(std::move(observer)); }

 private:
  std::map<std::pair<std::string, Event>, Handler, std::less<>> handlers_;
  std::vector<Handler> observers_;
  FailureReporter report_;
};

}  // namespace tarnolo
