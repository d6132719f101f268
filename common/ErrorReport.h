#pragma once

#include <exception>
#include <string>
#include <utility>

#include "common/MessageBoxes.h"

namespace bytelora {

// Title of the error report box.
inline constexpr char kErrorBoxTitle[] = "Application Error";

// The address that the error report box asks the user to mail a screenshot to; chosen
// when the program is built.
const char* SupportEmailAddress();

// The description shown for a failure that carries no text of its own.
inline constexpr char kUnknownErrorDescription[] = "Unknown error";

// The text of the error report box: description, CR LF, location, "at line ", the
// statement number, CR, CR, and the request to mail a screenshot to the support address.
std::string ComposeErrorMessage(const std::string& description, const std::string& location,
                                int statement);

// Location text of a guarded routine: "in ByteloraApp2021/08/31.<module>.<routine> ".
std::string LocationText(const std::string& module, const std::string& routine);

// Shows the error report box ("Application Error", warning icon, OK) through a
// replaceable set of message boxes. A failure of the box itself goes to the caller.
class ErrorReporter {
  public:
    explicit ErrorReporter(MessageBoxes& boxes) : boxes_(boxes) {}
    void ReportError(const std::string& description, const std::string& location, int statement);

  private:
    MessageBoxes& boxes_;
};

// Guards the numbered statements of one handler: a statement that throws is reported
// with the handler's location text and its number, and the handler goes on with the
// next statement. A test that throws counts as true, so its then-branch runs.
class StatementGuard {
  public:
    // The handler's module and routine name its location; the text is put together only
    // for a report, since the guarded handlers run several times a second.
    StatementGuard(ErrorReporter& reporter, const char* module, const char* routine)
        : reporter_(reporter), module_(module), routine_(routine) {}

    template <class Statement>
    void Run(int number, Statement&& statement) {
        try {
            std::forward<Statement>(statement)();
        } catch (...) {
            Report(number, std::current_exception());
        }
    }

    template <class Condition>
    bool Test(int number, Condition&& condition) {
        try {
            return static_cast<bool>(std::forward<Condition>(condition)());
        } catch (...) {
            Report(number, std::current_exception());
            return true;
        }
    }

    // The error description of a caught failure: what() of a standard exception, the
    // text of a thrown string, a fixed text for anything else.
    static std::string DescribeFailure(std::exception_ptr failure);

  private:
    void Report(int number, std::exception_ptr failure);

    ErrorReporter& reporter_;
    const char* module_;
    const char* routine_;
};

}  // namespace bytelora
