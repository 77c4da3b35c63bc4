// rolva print to PDF: forty records on pages with the database's margins, its title, the
// footer's page numbers and the records' values, read back with pdftotext.

#include "tests/support/CliRun.h"
#include "tests/support/TestDatabase.h"

#include "engine/KxLocale.h"
#include "print/KxPrintSettings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

namespace {

std::string command(const std::string& line) {
    std::string text;
    if (FILE* pipe = ::popen(line.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, n);
        ::pclose(pipe);
    }
    return text;
}

struct Word {
    double xMin, yMin, xMax, yMax;
    std::string text;
};

// The words of every page with their boxes in points, and the page size.
std::vector<Word> words(const std::string& pdf, double& width, double& height) {
    const std::string html = command("pdftotext -bbox '" + pdf + "' - 2>/dev/null");
    std::smatch m;
    if (std::regex_search(html, m, std::regex("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\""))) {
        width = std::stod(m[1]);
        height = std::stod(m[2]);
    }
    std::vector<Word> found;
    const std::regex word("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), word); it != std::sregex_iterator(); ++it)
        found.push_back({std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]), std::stod((*it)[4]), (*it)[5]});
    return found;
}

TEST(CliPrintPdf, FortyRecordsOnPagesWithTheStoredMargins) {
    if (command("command -v pdftotext").empty()) GTEST_SKIP() << "pdftotext is not installed";
    kxSetLocale(KxLocale{});
    CliSandbox box;
    ::setenv("XDG_CACHE_HOME", box.file("cache").c_str(), 1);
    std::string path;
    {
        TestDatabase t({{KxFieldType::Text, "Name"}, {KxFieldType::Number, "Qty"}, {KxFieldType::Checkbox, "Done"}});
        for (int i = 1; i <= 40; ++i)
            t.addRecord({"Item" + std::to_string(100 + i), std::to_string(i), i % 2 ? "Yes" : "No"});
        KxPrintSettings settings(t.db);
        settings.setTitle("Stock List");
        settings.setPageSetup({"&w", "&D &b&bPage &p of &P", "1.000000", "1.000000", "1.500000", "0.500000"});
        t.db.save(box.file("items.rlv"));
        t.db.close(false);
        path = box.file("items.rlv");
    }
    const std::string out = box.file("items.pdf");
    const std::string table = std::string(ROLVA_SOURCE_DIR) + "/templates/Table.htm";
    const auto r = box.run({"print", path, out, "--template", table});
    ::unsetenv("XDG_CACHE_HOME");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "printed to " + out + "\n");

    const std::string text = command("pdftotext -layout '" + out + "' - 2>/dev/null");
    const int pages = std::stoi(command("pdfinfo '" + out + "' | sed -n 's/^Pages: *//p'"));
    ASSERT_GE(pages, 2) << text;
    EXPECT_NE(text.find("Stock List"), std::string::npos);
    for (int p = 1; p <= pages; ++p)
        EXPECT_NE(text.find("Page " + std::to_string(p) + " of " + std::to_string(pages)), std::string::npos) << p;
    EXPECT_NE(text.find("Item101"), std::string::npos);
    EXPECT_NE(text.find("Item140"), std::string::npos);
    EXPECT_NE(text.find("\u2611"), std::string::npos); // a checked box, not the symbol font's glyph

    double width = 0, height = 0;
    const auto all = words(out, width, height);
    ASSERT_GT(width, 500);
    int values = 0;
    for (const Word& w : all) {
        if (w.text.rfind("Item", 0) != 0) continue;
        ++values;
        EXPECT_GE(w.xMin, 1.5 * 72 - 1) << w.text;
        EXPECT_LE(w.xMax, width - 0.5 * 72 + 1) << w.text;
        EXPECT_GE(w.yMin, 1.0 * 72 - 1) << w.text;
        EXPECT_LE(w.yMax, height - 1.0 * 72 + 1) << w.text;
    }
    EXPECT_GE(values, 40);
    for (const Word& w : all) {
        if (w.text == "Page") {
            EXPECT_GT(w.yMin, height - 1.0 * 72) << "the footer stands in the bottom margin";
        }
    }
}

} // namespace
