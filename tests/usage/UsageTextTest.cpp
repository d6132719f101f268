#include <gtest/gtest.h>

#include "usage/UsageLimit.h"
#include "usage/UsageText.h"

namespace bytelora {
namespace {

using namespace std::chrono;

UsageView SmallView() {
    UsageView view;
    view.kind = UsageViewKind::Days;
    view.total = {{"2024-03-01", 300, 30}, {"2024-03-02", 0, 0}};
    view.interfaces["eth0"] = {{"2024-03-01", 100, 10}, {"2024-03-02", 0, 0}};
    view.interfaces["we \"ird\""] = {{"2024-03-01", 200, 20}, {"2024-03-02", 0, 0}};
    return view;
}

TEST(UsageText, JsonAndCsvKeepTheirDocumentedShape) {
    EXPECT_EQ(UsageJson(SmallView()),
              "{\n"
              "  \"unit\": \"bytes\",\n"
              "  \"days\": [\n"
              "    {\"date\": \"2024-03-01\", \"received\": 300, \"sent\": 30},\n"
              "    {\"date\": \"2024-03-02\", \"received\": 0, \"sent\": 0}\n"
              "  ],\n"
              "  \"interfaces\": {\n"
              "    \"eth0\": [\n"
              "      {\"date\": \"2024-03-01\", \"received\": 100, \"sent\": 10},\n"
              "      {\"date\": \"2024-03-02\", \"received\": 0, \"sent\": 0}\n"
              "    ],\n"
              "    \"we \\\"ird\\\"\": [\n"
              "      {\"date\": \"2024-03-01\", \"received\": 200, \"sent\": 20},\n"
              "      {\"date\": \"2024-03-02\", \"received\": 0, \"sent\": 0}\n"
              "    ]\n"
              "  }\n"
              "}\n");
    UsageView empty;
    empty.kind = UsageViewKind::Months;
    EXPECT_EQ(UsageJson(empty),
              "{\n  \"unit\": \"bytes\",\n  \"months\": [],\n  \"interfaces\": {}\n}\n");
    EXPECT_EQ(UsageCsv(SmallView()),
              "date,received,sent,total\r\n2024-03-01,300,30,330\r\n2024-03-02,0,0,0\r\n");
    // Above 2^63 bytes the numbers stay exact.
    UsageView huge = SmallView();
    huge.total[0].received = UINT64_MAX - 5;
    EXPECT_NE(UsageJson(huge).find("\"received\": 18446744073709551610"), std::string::npos);
}

TEST(UsageText, JsonNamesTheAliasesOfTheInterfacesItShows) {
    UsageView view;
    view.kind = UsageViewKind::Months;
    view.total = {{"2024-03", 5, 6}};
    view.interfaces["\\DEVICE\\TCPIP_{7}"] = {{"2024-03", 5, 6}};
    view.aliases = {{"\\DEVICE\\TCPIP_{7}", "Ethernet"}, {"gone", "Wi-Fi"}};
    EXPECT_EQ(UsageJson(view),
              "{\n"
              "  \"unit\": \"bytes\",\n"
              "  \"months\": [\n"
              "    {\"month\": \"2024-03\", \"received\": 5, \"sent\": 6}\n"
              "  ],\n"
              "  \"interfaces\": {\n"
              "    \"\\\\DEVICE\\\\TCPIP_{7}\": [\n"
              "      {\"month\": \"2024-03\", \"received\": 5, \"sent\": 6}\n"
              "    ]\n"
              "  },\n"
              "  \"aliases\": {\n"
              "    \"\\\\DEVICE\\\\TCPIP_{7}\": \"Ethernet\"\n"
              "  }\n"
              "}\n");
    EXPECT_EQ(StoredInterfaceName("Ethernet", view.aliases), "\\DEVICE\\TCPIP_{7}");
    EXPECT_EQ(StoredInterfaceName("eth0", view.aliases), "eth0");
    EXPECT_EQ(StoredInterfaceName("", view.aliases), "");
}

TEST(UsageText, AmountsUseUnitsOf1024) {
    EXPECT_EQ(ByteAmountText(0), "0 B");
    EXPECT_EQ(ByteAmountText(1023), "1023 B");
    EXPECT_EQ(ByteAmountText(1536), "1.5 KB");
    EXPECT_EQ(ByteAmountText(std::uint64_t{312} << 30), "312 GB");
    EXPECT_EQ(ByteAmountText(UINT64_MAX), "16.0 EB");
}

TEST(UsageLimit, ProjectionAndAlertsAtNinetyAndAHundredPercent) {
    EXPECT_EQ(ProjectedUse(100, minutes(30), hours(720)), std::nullopt);
    EXPECT_EQ(ProjectedUse(100, hours(72), hours(720)), 1000u);
    EXPECT_EQ(ProjectionText(std::uint64_t{312} << 30, year{2024} / 4 / 30),
              "about 312 GB by the 30th");
    EXPECT_EQ(OrdinalDay(1), "1st");
    EXPECT_EQ(OrdinalDay(2), "2nd");
    EXPECT_EQ(OrdinalDay(13), "13th");
    EXPECT_EQ(OrdinalDay(22), "22nd");
    EXPECT_EQ(OrdinalDay(23), "23rd");

    const UsageLimit limit{1000, 1, true};
    EXPECT_EQ(DecideAlert(limit, 899, {}), UsageAlert::None);
    EXPECT_EQ(DecideAlert(limit, 900, {}), UsageAlert::Near);
    EXPECT_EQ(DecideAlert(limit, 950, {true, false}), UsageAlert::None);
    EXPECT_EQ(DecideAlert(limit, 1000, {true, false}), UsageAlert::Reached);
    EXPECT_EQ(DecideAlert(limit, 5000, {}), UsageAlert::Reached);
    EXPECT_EQ(DecideAlert(limit, 5000, {true, true}), UsageAlert::None);
    EXPECT_EQ(DecideAlert({0, 1, true}, 5000, {}), UsageAlert::None);
    EXPECT_EQ(DecideAlert({1000, 1, false}, 5000, {}), UsageAlert::None);
    EXPECT_EQ(DecideAlert({UINT64_MAX, 1, true}, UINT64_MAX - 1, {}), UsageAlert::Near);

    const UsageLimit stored = LimitFromText("2048", "15", "Off");
    EXPECT_EQ(stored.bytes, std::uint64_t{2048} << 20);
    EXPECT_EQ(stored.monthStartDay, 15);
    EXPECT_FALSE(stored.alert);
    const UsageLimit bad = LimitFromText("-5", "29", "maybe");
    EXPECT_EQ(bad.bytes, 0u);
    EXPECT_EQ(bad.monthStartDay, 1);
    EXPECT_TRUE(bad.alert);
    EXPECT_EQ(LimitFromText("99999999999999999999", "0", "On").bytes, 0u);
}

}  // namespace
}  // namespace bytelora
