#include "shell/NavigationRules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace navigation;

namespace {

struct KindCase {
  const char* node;
  std::vector<int32_t> integersUpwards;
  int32_t kind;
  PaneView view;
};

class NodeKindTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(NodeKindTest, KindIsTheIntegerOfTheRootAndPicksTheView) {
  const KindCase& c = GetParam();
  EXPECT_EQ(NavigationRules::KindOf(c.integersUpwards), c.kind);
  EXPECT_EQ(NavigationRules::ViewForKind(c.kind), c.view);
}

INSTANTIATE_TEST_SUITE_P(
    Nodes, NodeKindTest,
    ::testing::Values(KindCase{"Inventory", {-1}, kInventory, PaneView::Items},
                      KindCase{"GroupTwoDeep", {57, 12, -1}, kInventory, PaneView::Items},
                      KindCase{"InvoicesRoot", {-2}, kInvoices, PaneView::Invoices},
                      KindCase{"Month", {3, 2006, -2}, kInvoices, PaneView::Invoices},
                      KindCase{"Clients", {-3}, kClients, PaneView::Companies},
                      KindCase{"PriceLists", {-4}, kPriceLists, PaneView::PriceGroups},
                      KindCase{"FinanceInfo", {-5}, kFinanceInfo, PaneView::Finances},
                      KindCase{"Placeholder", {0}, kNoKind, PaneView::Start},
                      KindCase{"Nothing", {}, kNoKind, PaneView::Start}),
    [](const ::testing::TestParamInfo<KindCase>& info) { return std::string(info.param.node); });

TEST(NavigationRulesTest, InvoiceNodesAreKnownByTheirPlaceNotByTheYear) {
  EXPECT_EQ(NavigationRules::ClassifyInvoiceNode(kInvoices, std::nullopt), InvoiceNode::Root);
  EXPECT_EQ(NavigationRules::ClassifyInvoiceNode(2006, kInvoices), InvoiceNode::Year);
  // A year before 2000 is a year, not the root.
  EXPECT_EQ(NavigationRules::ClassifyInvoiceNode(1999, kInvoices), InvoiceNode::Year);
  EXPECT_EQ(NavigationRules::ClassifyInvoiceNode(1850, kInvoices), InvoiceNode::Year);
  EXPECT_EQ(NavigationRules::ClassifyInvoiceNode(3, 1999), InvoiceNode::Month);
  EXPECT_EQ(NavigationRules::ClassifyInvoiceNode(12, 2006), InvoiceNode::Month);
}

TEST(NavigationRulesTest, EachInvoiceNodeShowsItsPeriodAndFilter) {
  // The root: unpaid invoices of every year.
  EXPECT_EQ(NavigationRules::SelectionFor(InvoiceNode::Root, kInvoices, 0),
            (InvoiceSelection{-1, -1, false, true}));
  EXPECT_EQ(NavigationRules::SelectionFor(InvoiceNode::Year, 2006, kInvoices),
            (InvoiceSelection{2006, 0, true, true}));
  EXPECT_EQ(NavigationRules::SelectionFor(InvoiceNode::Year, 1999, kInvoices),
            (InvoiceSelection{1999, 0, true, true}));
  EXPECT_EQ(NavigationRules::SelectionFor(InvoiceNode::Month, 3, 1999),
            (InvoiceSelection{1999, 3, true, true}));
}

TEST(NavigationRulesTest, MonthTextShowsTheCountOnlyWhenThereAreInvoices) {
  EXPECT_EQ(NavigationRules::MonthNodeText(3, 3), L"March (3)");
  EXPECT_EQ(NavigationRules::MonthNodeText(3, 0), L"March");
  EXPECT_EQ(NavigationRules::MonthNodeText(1, 120), L"January (120)");
  EXPECT_EQ(NavigationRules::MonthNodeText(12, 1), L"December (1)");
}

TEST(NavigationRulesTest, OnlyGroupNodesGiveAGroup) {
  EXPECT_TRUE(NavigationRules::IsItemGroupNode(kInventory, 57));
  EXPECT_FALSE(NavigationRules::IsItemGroupNode(kInventory, kInventory));  // the root itself
  EXPECT_FALSE(NavigationRules::IsItemGroupNode(kInvoices, 2006));
  EXPECT_EQ(NavigationRules::SelectedGroupId(kInventory, 57), 57);
  EXPECT_EQ(NavigationRules::SelectedGroupId(kInventory, kInventory), 0);
  EXPECT_EQ(NavigationRules::SelectedGroupId(kClients, kClients), 0);
}

TEST(NavigationRulesTest, RefillingMonthsReselectsOnlyAMonthOfTheSameYear) {
  EXPECT_EQ(NavigationRules::MonthToReselect(2006, InvoiceNode::Month, 3, 2006), 3);
  // March of another year is not March of this one.
  EXPECT_EQ(NavigationRules::MonthToReselect(2006, InvoiceNode::Month, 3, 2005), std::nullopt);
  // A selected year (or the root) is no month.
  EXPECT_EQ(NavigationRules::MonthToReselect(2006, InvoiceNode::Year, 2006, kInvoices), std::nullopt);
  EXPECT_EQ(NavigationRules::MonthToReselect(2006, InvoiceNode::Root, kInvoices, 0), std::nullopt);
  EXPECT_EQ(NavigationRules::MonthToReselect(2006, std::nullopt, 3, 2006), std::nullopt);
}

}  // namespace

namespace {

TEST(NavigationRulesTest, AStoredTreeWidthIsUsedOnlyWhenItFitsTheScreen) {
  struct Case {
    std::optional<uint32_t> present, width;
    int tree;
  };
  constexpr uint32_t least = kMinimumPaneWidth, most = 1280 - kMinimumPaneWidth;
  for (const Case& test : {Case{1u, 180u, 180}, Case{1u, least, least}, Case{1u, most, most},
                           Case{std::nullopt, 180u, kDefaultTreeWidth}, Case{1u, std::nullopt, kDefaultTreeWidth},
                           Case{0u, 180u, kDefaultTreeWidth}, Case{1u, 0u, kDefaultTreeWidth}, Case{1u, least - 1, kDefaultTreeWidth},
                           Case{1u, most + 1, kDefaultTreeWidth}, Case{1u, 0xFFFFFFFFu, kDefaultTreeWidth},
                           Case{1u, 0x80000000u, kDefaultTreeWidth}}) {
    EXPECT_EQ(NavigationRules::TreeWidth(test.present, test.width, 1280), test.tree)
        << (test.present ? std::to_string(*test.present) : "-") << " "
        << (test.width ? std::to_string(*test.width) : "-");
  }
}

TEST(NavigationRulesTest, TheGivenDefaultWidthStandsInForAnUnusableStoredOne) {
  EXPECT_EQ(NavigationRules::TreeWidth(std::nullopt, std::nullopt, 1280, 140), 140);
  EXPECT_EQ(NavigationRules::TreeWidth(1u, 0u, 1280, 140), 140);
  EXPECT_EQ(NavigationRules::TreeWidth(1u, 180u, 1280, 140), 180);
}

}  // namespace
