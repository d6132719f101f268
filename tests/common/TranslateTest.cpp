#include "common/Translate.h"

#include "common/TextColumns.h"

#include <gtest/gtest.h>

#include <string>

namespace bytelora {
namespace {

TEST(Translate, FillInPutsEachValueInItsPlaceOnce) {
    EXPECT_EQ(FillIn("%1 and %2 cannot go together", {"--json", "--csv"}),
              "--json and --csv cannot go together");
    // A translation may put the values in another order.
    EXPECT_EQ(FillIn("%2 mit %1", {"a", "b"}), "b mit a");
    // A value that holds a marker (a path, an option typed) is never filled in again.
    EXPECT_EQ(FillIn("unknown option '%1' (%2)", {"--x=%2", "y"}), "unknown option '--x=%2' (y)");
    // Percent signs that mark nothing, and markers without a value, stay as they are.
    EXPECT_EQ(FillIn("90 % of %1, %3 %", {"5 GB"}), "90 % of 5 GB, %3 %");
    EXPECT_EQ(FillIn("%1%1", {"ab"}), "abab");
}

std::string Shouting(const char* context, const char* text, const char*, int count) {
    return std::string(context) + ":" + text + ":" + std::to_string(count);
}

TEST(Translate, EnglishUntilATranslatorIsInstalled) {
    EXPECT_EQ(Translate("bytelora::cli", "no command given"), "no command given");
    // Without a translation the count stands in for %n, as Qt does.
    EXPECT_EQ(Translate("bytelora::cli", "%n snapshots, %n taken", nullptr, 12),
              "12 snapshots, 12 taken");
    EXPECT_EQ(Translate("bytelora::cli", "100 %n", nullptr, -1), "100 %n");

    InstallTextTranslator(&Shouting);
    EXPECT_EQ(Translate("ctx", "text", nullptr, 3), "ctx:text:3");
    InstallTextTranslator(nullptr);
    EXPECT_EQ(Translate("ctx", "text"), "text");
}

TEST(TextColumns, ChineseAndJapaneseTakeTwoColumnsEach) {
    EXPECT_EQ(TextColumns("Received"), 8u);
    EXPECT_EQ(TextColumns("Empfangen \u00fcber"), 14u);      // ü is one column, two bytes
    EXPECT_EQ(TextColumns("\u63a5\u6536"), 4u);              // 接收
    EXPECT_EQ(TextColumns("\u53d7\u4fe1\u3057\u305f"), 8u);  // 受信した
    EXPECT_EQ(TextColumns("\xe6\x8e"), 2u);                  // cut off: one column a byte
    EXPECT_EQ(PadToColumns("\u63a5\u6536", 8), "\u63a5\u6536    ");
    EXPECT_EQ(PadToColumns("Sent", 12, true), "        Sent");
    // A longer text is kept whole, as printf keeps it.
    EXPECT_EQ(PadToColumns("Interface name", 6), "Interface name");
}

}  // namespace
}  // namespace bytelora
