// Failure kinds and the text a user reads.
#include "core/failures.h"

namespace tarnolo {

const char* Failure::className() const {
  switch (kind_) {
    case FailureKind::ZeroDivide:
      return "EZeroDivide";
    case FailureKind::InvalidOp:
      return "EInvalidOp";
    case FailureKind::Overflow:
      return "EOverflow";
    case FailureKind::IntOverflow:
      return "EIntOverflow";
    case FailureKind::ConvertError:
      return "EConvertError";
    case FailureKind::InOutError:
      return "EInOutError";
  }
  return "Exception";
}

void raiseZeroDivide() {
  throw Failure(FailureKind::ZeroDivide, "Floating point division by zero");
}
void raiseInvalidOp() {
  throw Failure(FailureKind::InvalidOp, "Invalid floating point operation");
}
void raiseOverflow() {
  throw Failure(FailureKind::Overflow, "Floating point overflow");
}
void raiseIntOverflow() {
  throw Failure(FailureKind::IntOverflow, "Integer overflow");
}

void raiseNotInteger(const std::string& text) {
  throw Failure(FailureKind::ConvertError, "'" + text + "' is not a valid integer value");
}
void raiseNotReal(const std::string& text) {
  throw Failure(FailureKind::ConvertError, "'" + text + "' is not a valid floating point value");
}

std::string inOutMessage(int code) {
  switch (code) {
    case 2:
      return "File not found";
    case 3:
      return "Invalid filename";
    case 4:
      return "Too many open files";
    case 5:
      return "File access denied";
    case 100:
      return "Read beyond end of file";
    case 101:
      return "Disk full";
    case 106:
      return "Invalid numeric input";
    default:
      return "I/O error " + std::to_string(code);
  }
}

void raiseInOut(int code) {
  throw Failure(FailureKind::InOutError, inOutMessage(code), code);
}

std::string userText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

}  // namespace tarnolo
