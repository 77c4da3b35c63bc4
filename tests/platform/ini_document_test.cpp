#include "platform/KxIniDocument.h"

#include <gtest/gtest.h>

using Entries = std::vector<std::pair<std::string, std::string>>;

TEST(IniDocument, NamesIgnoreCaseAndSurroundingBlanks) {
    auto doc = KxIniDocument::parse("[Rolva]\nLastFile=/home/a.rlv\n  ShowToolTips = 0\n");
    EXPECT_EQ(doc.value("ROLVA", "lastfile"), "/home/a.rlv");
    EXPECT_EQ(doc.value(" rolva ", "SHOWTOOLTIPS"), " 0"); // the value is what follows '='
    EXPECT_FALSE(doc.value("Rolva", "Missing"));
    EXPECT_FALSE(doc.value("Other", "LastFile"));
    EXPECT_TRUE(doc.hasSection("rOLVA"));
}

TEST(IniDocument, WritingCreatesSectionsAtTheEndAndKeysAfterTheLastKey) {
    auto doc = KxIniDocument::parse("[A]\nx=1\n\n; about B\n[B]\ny=2\n");
    ASSERT_TRUE(doc.setValue("a", "z", "3"));
    ASSERT_TRUE(doc.setValue("C", "k", "v"));
    ASSERT_TRUE(doc.setValue("b", "Y", "4")); // replaces, keeping the file's spelling
    EXPECT_EQ(doc.serialize(), "[A]\nx=1\nz=3\n\n; about B\n[B]\ny=4\n[C]\nk=v\n");
    EXPECT_EQ(doc.sectionNames(), (std::vector<std::string>{"A", "B", "C"}));
}

TEST(IniDocument, ValuesReadBackByteForByte) {
    KxIniDocument doc;
    ASSERT_TRUE(doc.setValue("User:Bob", "Sales", "Installed=0 ")); // trailing blank kept
    ASSERT_TRUE(doc.setValue("X", "empty", ""));
    ASSERT_TRUE(doc.setValue("X", "spaced", "  a  b  "));
    auto again = KxIniDocument::parse(doc.serialize());
    EXPECT_EQ(again.value("user:bob", "sales"), "Installed=0 ");
    EXPECT_EQ(again.value("X", "empty"), "");
    EXPECT_EQ(again.value("X", "spaced"), "  a  b  ");
    EXPECT_EQ(doc.serialize(), "[User:Bob]\nSales=Installed=0 \n[X]\nempty=\nspaced=  a  b  \n");
}

TEST(IniDocument, DeletingKeysAndSections) {
    auto doc = KxIniDocument::parse("[A]\nx=1\ny=2\n[B]\nz=3\n");
    EXPECT_TRUE(doc.removeKey("a", "X"));
    EXPECT_FALSE(doc.removeKey("A", "x"));
    EXPECT_TRUE(doc.removeKey("A", "y"));
    EXPECT_TRUE(doc.hasSection("A")); // an emptied section stays
    EXPECT_TRUE(doc.removeSection("b"));
    EXPECT_FALSE(doc.removeSection("B"));
    EXPECT_EQ(doc.serialize(), "[A]\n");
    ASSERT_TRUE(doc.setValue("B", "z", "again")); // the index follows the removal
    EXPECT_EQ(doc.value("B", "z"), "again");
}

TEST(IniDocument, RefusesWhatWouldNotReadBack) {
    auto doc = KxIniDocument::parse("[A]\nx=1\n");
    const std::string before = doc.serialize();
    EXPECT_FALSE(doc.setValue("A", "x", "two\nlines"));
    EXPECT_FALSE(doc.setValue("A", "x", "cr\rhere"));
    EXPECT_FALSE(doc.setValue("A", "x", std::string_view("nul\0", 4)));
    EXPECT_FALSE(doc.setValue("A", "new\nkey", "v"));
    EXPECT_FALSE(doc.setValue("New\nSection", "k", "v"));
    EXPECT_FALSE(doc.setValue("A", "a=b", "v"));
    EXPECT_FALSE(doc.setValue("A", "  ", "v"));
    EXPECT_FALSE(doc.setValue("A", ";comment", "v"));
    EXPECT_FALSE(doc.setValue("A", "[x]", "y]")); // "[x]=y]" would read as a section
    EXPECT_EQ(doc.serialize(), before);
}

TEST(IniDocument, BracketsInNamesThatStillReadBack) {
    KxIniDocument doc;
    ASSERT_TRUE(doc.setValue("User:Bob", "[draft]", "Installed=0 "));
    ASSERT_TRUE(doc.setValue("DB:a]b", "File", "/x/a]b.rlv"));
    auto again = KxIniDocument::parse(doc.serialize());
    EXPECT_EQ(again.value("User:Bob", "[draft]"), "Installed=0 ");
    EXPECT_EQ(again.value("DB:a]b", "File"), "/x/a]b.rlv");
    EXPECT_EQ(again.sectionNames(), (std::vector<std::string>{"User:Bob", "DB:a]b"}));
}

TEST(IniDocument, RepeatedSectionsMergeAndTheFirstKeyWins) {
    auto doc = KxIniDocument::parse("[A]\nk=first\n[B]\n[a]\nk=second\nm=3\n");
    EXPECT_EQ(doc.sectionNames(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(doc.value("A", "k"), "first");
    EXPECT_EQ(doc.entries("A"), (Entries{{"k", "first"}, {"m", "3"}}));
    ASSERT_TRUE(doc.setValue("A", "k", "new"));
    EXPECT_EQ(doc.value("A", "k"), "new");
    // A deleted key must not come back from a later duplicate.
    EXPECT_TRUE(doc.removeKey("A", "K"));
    EXPECT_FALSE(doc.value("A", "k"));
    EXPECT_EQ(doc.serialize(), "[A]\nm=3\n[B]\n");
}

TEST(IniDocument, KeepsLineEndingsByteOrderMarkAndForeignLines) {
    auto doc = KxIniDocument::parse(
        "\xEF\xBB\xBF; settings\r\nstray line\r\n[A]\r\nx=1\r\nno equals sign\r\n");
    EXPECT_EQ(doc.value("A", "x"), "1");
    ASSERT_TRUE(doc.setValue("A", "y", "2"));
    EXPECT_EQ(doc.serialize(),
              "\xEF\xBB\xBF; settings\r\nstray line\r\n[A]\r\nx=1\r\ny=2\r\nno equals sign\r\n");
}

TEST(IniDocument, OddFilesReadWithoutHarm) {
    // No sections at all.
    auto none = KxIniDocument::parse("a=1\nb=2");
    EXPECT_TRUE(none.sectionNames().empty());
    EXPECT_EQ(none.serialize(), "a=1\nb=2\n");

    // Lone CR line breaks, a header without its bracket, text after a header.
    auto mac = KxIniDocument::parse("[A\rx=1\r[B] ; note\ry=2");
    EXPECT_EQ(mac.value("A", "x"), "1");
    EXPECT_EQ(mac.value("B", "y"), "2");

    // Binary bytes and a very long line.
    std::string binary = "[S]\n";
    for (int i = 0; i < 256; ++i)
        binary.push_back(static_cast<char>(i));
    binary += "\nlong=" + std::string(1 << 20, 'x') + "\n";
    auto odd = KxIniDocument::parse(binary);
    EXPECT_EQ(odd.value("S", "long")->size(), 1u << 20);
    EXPECT_EQ(KxIniDocument::parse(odd.serialize()).serialize(), odd.serialize());

    auto empty = KxIniDocument::parse("");
    EXPECT_TRUE(empty.empty());
    EXPECT_EQ(empty.serialize(), "");
}
