// Failure kinds that leave a calculation or a case command, with the text a user reads.
#pragma once

#include <stdexcept>
#include <string>

namespace tarnolo {

enum class FailureKind {
  ZeroDivide,    // a non-zero value divided by zero
  InvalidOp,     // 0/0, the square root of a negative number
  Overflow,      // a result beyond the range of the stored format
  IntOverflow,   // a sum of counts beyond the signed 32-bit range
  ConvertError,  // a text that is not a number of the kind asked for
  InOutError,    // a case file that could not be opened, read or written
};

// A failure of the program's own kinds. message() is the message, without the full stop that
// the failure box adds (userText); what() is the same up to a first NUL character.
class Failure : public std::runtime_error {
 public:
  Failure(FailureKind kind, const std::string& message, int code = 0)
      : std::runtime_error(message), message_(message), kind_(kind), code_(code) {}
  FailureKind kind() const { return kind_; }
  const std::string& message() const { return message_; }
  // The error code of an InOutError (2, 3, 4, 5, 100, 101, or a system error number).
  int code() const { return code_; }
  // The class name that the start-up failure box shows: "EZeroDivide", "EInOutError"...
  const char* className() const;

 private:
  std::string message_;
  FailureKind kind_;
  int code_;
};

// Raisers, one per kind, with the fixed messages:
// "Floating point division by zero", "Invalid floating point operation",
// "Floating point overflow", "Integer overflow".
[[noreturn]] void raiseZeroDivide();
[[noreturn]] void raiseInvalidOp();
[[noreturn]] void raiseOverflow();
[[noreturn]] void raiseIntOverflow();
// "'<text>' is not a valid integer value", the text quoted whole and unchanged.
[[noreturn]] void raiseNotInteger(const std::string& text);
// "'<text>' is not a valid floating point value".
[[noreturn]] void raiseNotReal(const std::string& text);
// The message of an I/O error code: 2 "File not found", 3 "Invalid filename",
// 4 "Too many open files", 5 "File access denied", 100 "Read beyond end of file",
// 101 "Disk full", 106 "Invalid numeric input", any other N "I/O error N".
std::string inOutMessage(int code);
[[noreturn]] void raiseInOut(int code);

// The text of a failure box: the message with "." appended when its last character's code
// is above that of "." (46). userText("File not found") -> "File not found.";
// userText("Done!") -> "Done!"; userText("") -> "".
std::string userText(const std::string& message);

}  // namespace tarnolo
