#include "CountdRequestFuzz.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "countd/protocol/CountdProtocol.h"

namespace bytelora::fuzz {

namespace {

[[noreturn]] void Broken(const char* promise) {
    std::fprintf(stderr, "countd protocol: %s\n", promise);
    std::abort();
}

}  // namespace

void RunCountdInput(const std::uint8_t* data, std::size_t size) {
    using namespace bytelora::countd;
    // A copy of exactly the input's size, so that a read past the end is caught.
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string_view text(input);

    // The server reads at most the limit and looks at what it has after every read.
    const std::string_view request = text.substr(0, kMaxRequestBytes);
    const RequestParse whole = ParseRequest(request);
    if (whole.state == RequestState::List && request != "list\n" && request != "list\r\n") {
        Broken("only a list line is a list request");
    }
    if (whole.state == RequestState::NeedMore &&
        (request.size() >= kMaxRequestBytes || request.find('\n') != std::string_view::npos)) {
        Broken("a full buffer or a whole line is always decided");
    }
    if (whole.state == RequestState::Bad && whole.error.empty()) Broken("a refusal says why");
    // Arriving in pieces: what is refused early is never accepted once more has come.
    for (std::size_t length = 0; length < request.size(); ++length) {
        const RequestParse part = ParseRequest(request.substr(0, length));
        if (part.state == RequestState::Bad && whole.state == RequestState::List) {
            Broken("a refused start became a list request");
        }
        if (part.state != RequestState::NeedMore) break;
    }

    const std::string encoded = PercentEncode(text);
    if (encoded.find_first_of("\t\n\r") != std::string::npos) Broken("an escaped field holds a separator");
    if (PercentDecode(encoded) != input) Broken("escaping does not round-trip");

    const ReplyParse reply = ParseReply(text);
    if (reply.reply) {
        const ReplyParse again = ParseReply(WriteReply(*reply.reply));
        if (!again.reply || !(*again.reply == *reply.reply)) Broken("a parsed reply does not round-trip");
    } else if (reply.error.empty()) {
        Broken("a refused reply says why");
    }
}

}  // namespace bytelora::fuzz
