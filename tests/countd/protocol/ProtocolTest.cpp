#include <gtest/gtest.h>

#include "countd/protocol/CountdProtocol.h"

namespace bytelora::countd {
namespace {

TEST(CountdRequest, OnlyOneListLineIsAccepted) {
    EXPECT_EQ(ParseRequest("list\n").state, RequestState::List);
    EXPECT_EQ(ParseRequest("list\r\n").state, RequestState::List);
    // Arriving a byte at a time is fine.
    for (const char* partial : {"", "l", "li", "lis", "list", "list\r"}) {
        EXPECT_EQ(ParseRequest(partial).state, RequestState::NeedMore) << partial;
    }
    // Anything else is refused as soon as it cannot become "list".
    for (const char* bad : {"x", "LIST\n", "lisp", "list \n", "\n", "list\nlist\n", "list\rx"}) {
        const RequestParse parsed = ParseRequest(bad);
        EXPECT_EQ(parsed.state, RequestState::Bad) << bad;
        EXPECT_FALSE(parsed.error.empty());
    }
}

TEST(CountdRequest, ALongRequestIsRefusedAtTheLimit) {
    EXPECT_EQ(ParseRequest(std::string(kMaxRequestBytes, 'l')).state, RequestState::Bad);
    EXPECT_EQ(ParseRequest(std::string(kMaxRequestBytes, '\0')).state, RequestState::Bad);
}

TEST(CountdText, EscapesWhatCouldForgeAFieldOrALine) {
    EXPECT_EQ(PercentEncode("a\tb\nc\rd%e\x01\x7f f"), "a%09b%0Ac%0Dd%25e%01%7F f");
    // Bytes above 0x7f (UTF-8) stay as they are.
    EXPECT_EQ(PercentEncode("caf\xc3\xa9"), "caf\xc3\xa9");
    EXPECT_EQ(PercentDecode("a%09b%0a%25"), "a\tb\n%");
    for (const char* bad : {"%", "%0", "%G0", "a%0"}) EXPECT_FALSE(PercentDecode(bad)) << bad;
    const std::string everyByte = [] {
        std::string s;
        for (int c = 0; c < 256; ++c) s += static_cast<char>(c);
        return s;
    }();
    EXPECT_EQ(PercentDecode(PercentEncode(everyByte)), everyByte);
}

Reply SampleReply() {
    Reply reply;
    reply.startedUnix = 1765200000;
    reply.processes.push_back({4242, 987654, 1000, {1500, 300}, "my\tprog", "/opt/a b/prog\n", "app-x.scope"});
    reply.processes.push_back({1, 2, 0, {0, 0}, "", "", ""});
    reply.exited.push_back({1000, {18446744073709551615ULL, 1}, "/usr/bin/curl"});
    reply.untagged = ByteCounts{7, 8};
    reply.kernel = ByteCounts{9, 10};
    reply.refused = 11;
    reply.lostEvents = 12;
    return reply;
}

TEST(CountdReply, WrittenAsTheLinesTheClientsRead) {
    Reply reply = SampleReply();
    reply.processes.pop_back();
    EXPECT_EQ(WriteReply(reply),
              "bytelora-countd\t1\t1765200000\n"
              "process\t4242\t987654\t1000\t1500\t300\tmy%09prog\t/opt/a b/prog%0A\tapp-x.scope\n"
              "exited\t1000\t18446744073709551615\t1\t/usr/bin/curl\n"
              "untagged\t7\t8\n"
              "kernel\t9\t10\n"
              "refused\t11\n"
              "lost\t12\n"
              "end\n");
    EXPECT_EQ(ErrorLine("bad\nthing"), "error\tbad%0Athing\n");
}

TEST(CountdReply, ParsesBackWhatWasWritten) {
    const Reply reply = SampleReply();
    const ReplyParse parsed = ParseReply(WriteReply(reply));
    ASSERT_TRUE(parsed.reply) << parsed.error;
    EXPECT_EQ(*parsed.reply, reply);
    Reply plain;
    const ReplyParse noUntagged = ParseReply(WriteReply(plain));
    ASSERT_TRUE(noUntagged.reply);
    EXPECT_FALSE(noUntagged.reply->untagged);
    EXPECT_FALSE(noUntagged.reply->kernel);
    EXPECT_FALSE(noUntagged.reply->refused);
    EXPECT_FALSE(noUntagged.reply->lostEvents);
}

TEST(CountdReply, SkipsTheLinesOfANewerCounter) {
    const ReplyParse parsed = ParseReply(
        "bytelora-countd\t1\t5\n"
        "lost\t12\n"
        "exited\t1\t2\t3\te\n"
        "someday\n"
        "end\n");
    ASSERT_TRUE(parsed.reply) << parsed.error;
    ASSERT_EQ(parsed.reply->exited.size(), 1u);
    EXPECT_EQ(parsed.reply->exited[0].executable, "e");
}

TEST(CountdReply, RefusesWhatIsNotAWholeReply) {
    const std::string whole = WriteReply(SampleReply());
    // Cut anywhere short of the end line, it is not a reply.
    for (std::size_t length = 0; length + 1 < whole.size(); length += 7) {
        EXPECT_FALSE(ParseReply(whole.substr(0, length)).reply) << length;
    }
    const std::string header = "bytelora-countd\t1\t5\n";
    for (const std::string& bad : {
             std::string("error\tno%20way\n"),
             std::string("bytelora-countd\t2\t5\nend\n"),
             header + "process\t1\t2\t3\t4\t5\tc\te\n" + "end\n",           // a field short
             header + "process\t-1\t2\t3\t4\t5\tc\te\tu\n" + "end\n",       // negative
             header + "exited\t1\t18446744073709551616\t0\te\n" + "end\n",  // too large
             header + "exited\t1\t+1\t0\te\n" + "end\n",
             header + "exited\t1\t1\t0\t%zz\n" + "end\n",
             header + "untagged\t1\n" + "end\n",
             header + "kernel\t1\n" + "end\n",
             header + "refused\t-1\n" + "end\n",
             header + "end\tmore\n",
             header + "lost\t-3\n" + "end\n",
             header + "lost\n" + "end\n",
             header + "end\n" + "end\n",
         }) {
        EXPECT_FALSE(ParseReply(bad).reply) << bad;
    }
    EXPECT_EQ(ParseReply("error\tno%20way\n").error, "the counter refused: no way");
}

}  // namespace
}  // namespace bytelora::countd
