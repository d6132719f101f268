#include <gtest/gtest.h>

#include "countd/client/AppsReport.h"

namespace bytelora::countd {
namespace {

Reply SampleReply() {
    Reply reply;
    reply.startedUnix = 50;
    reply.processes.push_back({1, 1, 1000, {100, 10}, "curl", "/usr/bin/curl", ""});
    reply.processes.push_back({2, 1, 1000, {5000, 500}, "Web Content", "/usr/lib/firefox/firefox", ""});
    reply.processes.push_back({3, 1, 1000, {0, 0}, "idle", "/usr/bin/idle", ""});
    reply.processes.push_back({4, 1, 1000, {7, 0}, "kworker", "", ""});
    reply.exited.push_back({1000, {900, 90}, "/usr/bin/curl"});
    return reply;
}

TEST(AppsReport, GroupsByExecutableBusiestFirstAndOtherIsTheRest) {
    const AppNames none({}, {});
    const AppsReport report = GroupByApplication(SampleReply(), none, ByteCounts{10000, 100});
    ASSERT_EQ(report.applications.size(), 3u);  // a program that moved nothing has no row
    EXPECT_EQ(report.applications[0].name, "firefox");
    EXPECT_EQ(report.applications[1].executable, "/usr/bin/curl");
    EXPECT_EQ(report.applications[1].bytes, (ByteCounts{1000, 100}));  // live and exited together
    EXPECT_EQ(report.applications[2].name, "kworker");
    // Received: 10000 - 6007; sent: the programs sent more than the interfaces, so none.
    ASSERT_TRUE(report.other);
    EXPECT_EQ(*report.other, (ByteCounts{3993, 0}));
    EXPECT_FALSE(report.everyUser);
    EXPECT_FALSE(GroupByApplication(SampleReply(), none, std::nullopt).other);
}

TEST(AppsReport, JsonIsExactlyTheDocumentedShape) {
    const AppNames none({}, {});
    Reply reply;
    reply.processes.push_back({1, 1, 0, {3, 4}, "x", "/bin/a\"b\\c\x01\xff", ""});
    EXPECT_EQ(AppsJson(GroupByApplication(reply, none, ByteCounts{10, 10})),
              "{\"unit\":\"bytes\",\"applications\":[{\"name\":\"a\\\"b\\\\c\\u0001\xEF\xBF\xBD\","
              "\"executable\":\"/bin/a\\\"b\\\\c\\u0001\xEF\xBF\xBD\",\"received\":3,\"sent\":4}],"
              "\"other\":{\"received\":7,\"sent\":6},\"refused\":0}\n");
    Reply refused;
    refused.refused = 3;
    EXPECT_EQ(AppsJson(GroupByApplication(refused, none, std::nullopt)),
              "{\"unit\":\"bytes\",\"applications\":[],\"other\":null,\"refused\":3}\n");
    EXPECT_EQ(JsonText("caf\xc3\xa9 \xe2\x82"), "\"caf\xc3\xa9 \xEF\xBF\xBD\xEF\xBF\xBD\"");
}

}  // namespace
}  // namespace bytelora::countd
