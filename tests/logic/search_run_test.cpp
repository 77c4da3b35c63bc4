// The search-and-show workflow both front ends run: the request stored, its search made
// current and run, the matches marked, the search-results attribute following them.

#include "tests/logic/doc_test_support.h"

#include "engine/KxSavedSearches.h"
#include "app/KxSearchRun.h"

namespace {
class SearchRunTest : public DocTest {
  protected:
    SearchRunTest() {
        createDatabase({"Name", "City"});
        addRecord({"Smith", "Oslo"});
        addRecord({"Jones", "Rome"});
    }
    bool attributeSet() const { return doc.database().header().attributes() & kAttrSearchResults; }
};
} // namespace

TEST_F(SearchRunTest, MatchesSetTheAttributeAndNoMatchClearsIt) {
    std::optional<std::uint8_t> replaced;
    const KxSearchRun run = kxStoreAndRunSearch(doc.database(), containsRequest("smi"), &replaced);
    EXPECT_EQ(run.search, 0u);
    EXPECT_EQ(run.matched, 1u);
    EXPECT_TRUE(attributeSet());
    EXPECT_EQ(replaced, std::nullopt);

    EXPECT_EQ(kxStoreAndRunSearch(doc.database(), containsRequest("zz"), nullptr).matched, 0u);
    EXPECT_FALSE(attributeSet());
}

TEST_F(SearchRunTest, ASavedSearchRunsAsTheCurrentOne) {
    kxStoreSearchRequest(doc.database(), containsRequest("o"));
    KxSavedSearches searches(doc.database());
    const std::size_t named = searches.add();
    searches.setName(named, "Rome");
    searches.addCriterion(named, 1, KxSearchOperator::Contains);
    FieldValue rome = FieldValue::newValue(1);
    rome.setText("rome");
    searches.setCriterionValue(named, 0, &rome);
    searches.setCurrent(0);

    const KxSearchRun run = kxRunSearchAsCurrent(doc.database(), named);
    EXPECT_EQ(run.matched, 1u);
    EXPECT_EQ(KxSavedSearches(doc.database()).current(), named);
    EXPECT_TRUE(attributeSet());
}
