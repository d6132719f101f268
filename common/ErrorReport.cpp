#include "common/ErrorReport.h"

#include <stdexcept>

#include "common/Translate.h"

#ifndef BYTELORA_SUPPORT_EMAIL
#error "BYTELORA_SUPPORT_EMAIL must name the support address"
#endif

namespace bytelora {

namespace {
constexpr char kProjectStamp[] = "ByteloraApp2021/08/31";
constexpr char kScreenshotRequest[] =
    BYTELORA_TEXT_NOOP("bytelora::ErrorReport", "Please email screenshot of this message to ");
}  // namespace

const char* SupportEmailAddress() {
    return BYTELORA_SUPPORT_EMAIL;
}

std::string ComposeErrorMessage(const std::string& description, const std::string& location,
                                int statement) {
    // The box's lines are separated by CR LF after the description but by two bare CRs
    // before the request; users' screenshots have always looked like this.
    std::string message;
    message.reserve(description.size() + location.size() + 96);
    message += description;
    message += "\r\n";
    message += location;
    message += "at line ";
    message += std::to_string(statement);
    message += "\r\r";
    message += Translate("bytelora::ErrorReport", kScreenshotRequest);
    message += SupportEmailAddress();
    return message;
}

std::string LocationText(const std::string& module, const std::string& routine) {
    return std::string("in ") + kProjectStamp + "." + module + "." + routine + " ";
}

void ErrorReporter::ReportError(const std::string& description, const std::string& location,
                                int statement) {
    boxes_.Show(kErrorBoxTitle, ComposeErrorMessage(description, location, statement),
                BoxIcon::Warning);
}

std::string StatementGuard::DescribeFailure(std::exception_ptr failure) {
    if (!failure) {
        return kUnknownErrorDescription;
    }
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& error) {
        return error.what();
    } catch (const std::string& text) {
        return text;
    } catch (const char* text) {
        return text != nullptr ? text : kUnknownErrorDescription;
    } catch (...) {
        return kUnknownErrorDescription;
    }
}

void StatementGuard::Report(int number, std::exception_ptr failure) {
    // Not caught here: a box that cannot be shown is the caller's failure, not one more
    // statement of this handler.
    reporter_.ReportError(DescribeFailure(failure), LocationText(module_, routine_), number);
}

}  // namespace bytelora
