// The event table and the failure guard.
#include "core/events.h"

#include <exception>
#include <new>

#include "core/arithmetic.h"
#include "core/failures.h"

namespace tarnolo {

bool runGuarded(const std::function<void()>& action, const FailureReporter& report) {
  std::string text;
  try {
    action();
    return true;
  } catch (const Failure& failure) {
    text = userText(failure.message());
  } catch (const std::bad_alloc&) {
    text = "Out of memory.";
  } catch (const std::exception& other) {
    text = userText(other.what());
  } catch (...) {
    text = "Unknown failure.";
  }
  loadFloatingPointSetting();
  if (report) report(text);
  return false;
}

void EventTable::bind(std::string_view control, Event event, Handler handler) {
  handlers_[{std::string(control), event}] = std::move(handler);
}

bool EventTable::has(std::string_view control, Event event) const {
  return handlers_.count(std::make_pair(std::string(control), event)) != 0;
}

void EventTable::invoke(std::string_view control, Event event) const {
  auto it = handlers_.find(std::make_pair(std::string(control), event));
  if (it != handlers_.end()) it->second();
}

bool EventTable::deliver(std::string_view control, Event event) const {
  const bool completed = runGuarded([&] { invoke(control, event); }, report_);
  for (const Handler& observer : observers_) runGuarded(observer, report_);
  return completed;
}

}  // namespace tarnolo
