#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "DataAccessFixture.h"

namespace {

using corvane::test::CallRecorder;

class DataAccessLists : public corvane::test::DataAccessTest {
protected:
  int NewGroup(const std::wstring& name, int parent = 0) {
    ItemGroupRecord group;
    group.name = name;
    group.parentObjectId = parent;
    return Store(group, &DataAccess::SaveItemGroup);
  }
  int NewItem(const std::wstring& name, int group = 0, const std::wstring& code = L"") {
    ItemRecord item;
    item.name = name;
    item.itemsGroupObjectId = group;
    item.code = code;
    return Store(item, &DataAccess::SaveItem);
  }
  int NewPrice(int item, int group, double price) {
    PriceListRecord row;
    row.itemObjectId = item;
    row.priceGroupObjectId = group;
    row.price = price;
    return Store(row, &DataAccess::SavePriceList);
  }
  template <class Record>
  static std::vector<std::wstring> Names(const std::vector<Record>& records) {
    std::vector<std::wstring> names;
    for (const Record& record : records) names.push_back(record.name);
    return names;
  }
};

TEST_F(DataAccessLists, GroupChildrenAreSubGroupsThenItems) {
  const int root = NewGroup(L"Root");
  const int a = NewGroup(L"A", root);
  const int b = NewGroup(L"B", root);
  NewGroup(L"Deeper", a);
  std::set<int> items = {NewItem(L"x", root), NewItem(L"y", root), NewItem(L"z", root)};
  NewItem(L"elsewhere", a);

  std::vector<int> children;
  Data().LoadGroupChildIds(root, children);
  ASSERT_EQ(children.size(), 5u);
  EXPECT_EQ(std::set<int>(children.begin(), children.begin() + 2), (std::set<int>{a, b}));
  EXPECT_EQ(std::set<int>(children.begin() + 2, children.end()), items);

  // The tree walk takes only groups: items are no sub-groups.
  std::vector<int> subGroups = {-1};
  Data().LoadSubGroupIds(root, subGroups);
  EXPECT_EQ(std::set<int>(subGroups.begin() + 1, subGroups.end()), (std::set<int>{a, b}));
  EXPECT_EQ(subGroups.size(), 3u);  // appended after what was there

  CallRecorder recorder;
  Data().LoadGroupChildIds(7, children);
  const std::vector<std::wstring> expected = {
      L"SELECT OBJECT_ID FROM ITEM_GROUPS WHERE PARENT_OBJECT_ID = 7;",
      L"SELECT OBJECT_ID FROM ITEMS WHERE ITEMS_GROUP_OBJECT_ID = 7;"};
  EXPECT_EQ(Statements(recorder), expected);
}

TEST_F(DataAccessLists, TopLevelGroupsAreThoseWithoutParentOrParentZeroByName) {
  const int zebra = NewGroup(L"Zebra");
  const int alpha = NewGroup(L"Alpha");
  const int zero = NewGroup(L"Middle");
  NewGroup(L"Child", alpha);
  Data().ExecuteSql(L"UPDATE ITEM_GROUPS SET PARENT_OBJECT_ID = 0 WHERE OBJECT_ID = " +
                    std::to_wstring(zero));
  std::vector<int> ids;
  Data().LoadTopLevelGroupIds(ids);
  EXPECT_EQ(ids, (std::vector<int>{alpha, zero, zebra}));
  // Group 0 children are only rows that store the number 0.
  std::vector<int> children;
  Data().LoadGroupChildIds(0, children);
  EXPECT_EQ(children, (std::vector<int>{zero}));
}

TEST_F(DataAccessLists, ItemsOfGroupsAndSearch) {
  const int g1 = NewGroup(L"G1");
  const int g2 = NewGroup(L"G2");
  NewItem(L"Washer", g1, L"W-1");
  NewItem(L"Bolt", g2, L"B-1");
  NewItem(L"O'Brien's nut", 0, L"N-1");

  std::vector<ItemRecord> records;
  Data().LoadItemsOfGroups({g2, g1}, records);
  EXPECT_EQ(Names(records), (std::vector<std::wstring>{L"Bolt", L"Washer"}));
  records.clear();
  Data().LoadItemsOfGroups({}, records);
  EXPECT_EQ(records.size(), 3u);

  records.clear();
  Data().LoadItemsContaining(L"o'brien", records);  // case-insensitive, quote doubled
  EXPECT_EQ(Names(records), (std::vector<std::wstring>{L"O'Brien's nut"}));
  Data().LoadItemsContaining(L"b-1", records);  // by CODE too; appended
  EXPECT_EQ(Names(records), (std::vector<std::wstring>{L"O'Brien's nut", L"Bolt"}));

  CallRecorder recorder;
  records.clear();
  Data().LoadItemsOfGroups({7, 3}, records);
  Data().LoadItemsContaining(L"O'Brien", records);
  const std::wstring columns = DataAccess::ItemColumns();
  const std::vector<std::wstring> expected = {
      L"SELECT " + columns + L" FROM ITEMS  WHERE ITEMS_GROUP_OBJECT_ID IN (3,7) ORDER BY NAME;\n",
      L"SELECT " + columns +
          L" FROM ITEMS  WHERE NAME CONTAINING 'O''Brien' OR CODE CONTAINING 'O''Brien' ORDER BY NAME;\n"};
  EXPECT_EQ(Statements(recorder), expected);
}

TEST_F(DataAccessLists, PriceListsOfGroupHaveOneRecordPerItemByName) {
  PriceGroupRecord retail;
  retail.name = L"Retail";
  const int group = Store(retail, &DataAccess::SavePriceGroup);
  const int c = NewItem(L"C");
  const int a = NewItem(L"A");
  const int b = NewItem(L"B");
  const int priceB = NewPrice(b, group, 9.99);
  NewPrice(c, group + 1000, 5);  // another group's price

  std::vector<PriceListRecord> prices;
  Data().LoadPriceListsOfGroup(group, prices);
  ASSERT_EQ(prices.size(), 3u);
  EXPECT_EQ(prices[0].id.GetId(), 0);
  EXPECT_EQ(prices[0].itemObjectId, a);
  EXPECT_EQ(prices[0].priceGroupObjectId, 0);
  EXPECT_EQ(prices[0].price, 0.0);
  EXPECT_EQ(prices[1].id.GetId(), priceB);
  EXPECT_EQ(prices[1].itemObjectId, b);
  EXPECT_EQ(prices[1].priceGroupObjectId, group);
  EXPECT_EQ(prices[1].price, 9.99);
  EXPECT_EQ(prices[2].id.GetId(), 0);
  EXPECT_EQ(prices[2].itemObjectId, c);
}

TEST_F(DataAccessLists, PriceRowIdsOfAnItemByGroup) {
  const int item = NewItem(L"Item");
  const int first = NewPrice(item, 0, 1);
  const int second = NewPrice(item, 44, 2);
  std::map<int, int> rows = {{99, 1}};
  Data().LoadPriceListIdsOfItem(item, rows);
  EXPECT_EQ(rows, (std::map<int, int>{{0, first}, {44, second}, {99, 1}}));
  Data().LoadPriceListIdsOfItem(item + 500, rows);
  EXPECT_EQ(rows.size(), 3u);
}

TEST_F(DataAccessLists, ContactCaptionsAreDistinctAndKeepTheEmptyName) {
  CompanyRecord company;
  company.name = L"Acme";
  const int owner = Store(company, &DataAccess::SaveCompany);
  for (const wchar_t* name : {L"Office", L"", L"Office", L"Home"}) {
    PhoneRecord phone;
    phone.name = name;
    phone.number = phone.phoneDisplay = L"1";
    phone.companyObjectId = owner;
    Store(phone, &DataAccess::SavePhone);
  }
  std::set<std::wstring> names;
  Data().LoadPhoneNames(names);
  EXPECT_EQ(names, (std::set<std::wstring>{L"", L"Home", L"Office"}));
  std::set<std::wstring> none;
  Data().LoadWebNames(none);
  Data().LoadEmailNames(none);
  Data().LoadAddressNames(none);
  EXPECT_TRUE(none.empty());
}

TEST_F(DataAccessLists, ReferenceIdListsAreOrdered) {
  std::vector<int> expected;
  for (const wchar_t* name : {L"piece", L"kg", L"box"}) {
    MeasurementRecord measurement;
    measurement.name = name;
    expected.insert(expected.begin(), Store(measurement, &DataAccess::SaveMeasurement));
  }
  std::vector<int> ids;
  Data().LoadMeasurementIds(ids);
  EXPECT_EQ(ids, expected);

  PhoneCodeRecord zambia;
  zambia.country = L"Zambia";
  zambia.code = L"260";
  PhoneCodeRecord albania;
  albania.country = L"Albania";
  albania.code = L"355";
  const int z = Store(zambia, &DataAccess::SavePhoneCode);
  const int a = Store(albania, &DataAccess::SavePhoneCode);
  ids.clear();
  Data().LoadPhoneCodeIds(ids);
  EXPECT_EQ(ids, (std::vector<int>{a, z}));

  CountryRecord country;
  country.name = L"Macedonia";
  const int countryId = Store(country, &DataAccess::SaveCountry);
  std::vector<int> cities;
  for (const wchar_t* name : {L"Skopje", L"Bitola"}) {
    CountryRefRecord city;
    city.name = name;
    city.refType = L"CITY";
    city.countriesObjectId = countryId;
    cities.insert(cities.begin(), Store(city, &DataAccess::SaveCountryRef));
  }
  CountryRefRecord state;
  state.name = L"Pelagonia";
  state.refType = L"STATE";
  state.countriesObjectId = countryId;
  const int stateId = Store(state, &DataAccess::SaveCountryRef);
  ids.clear();
  Data().LoadCountryRefIds(ids, L"CITY", countryId);
  EXPECT_EQ(ids, cities);
  ids.clear();
  Data().LoadCountryRefIds(ids, L"STATE", countryId);
  EXPECT_EQ(ids, (std::vector<int>{stateId}));
  ids.clear();
  Data().LoadCountryIds(ids);
  EXPECT_EQ(ids, (std::vector<int>{countryId}));

  CallRecorder recorder;
  Data().LoadCountryRefIds(ids, L"CITY", 0);
  Data().LoadTaxIds(ids);
  Data().LoadDaysConditionIds(ids);
  Data().LoadTemplateIds(ids);
  const std::vector<std::wstring> texts = {
      L"SELECT OBJECT_ID FROM COUNTRIES_REF WHERE COUNTRIES_OBJECT_ID  IS NULL  AND REF_TYPE = 'CITY' ORDER "
      L"BY "
      L"NAME;\n",
      L"SELECT OBJECT_ID FROM TAXES ORDER BY NAME;\n",
      L"SELECT OBJECT_ID FROM DAYS_CONDITION ORDER BY NAME;\n",
      L"SELECT OBJECT_ID FROM TEMPLATES ORDER BY NAME;\n"};
  EXPECT_EQ(Statements(recorder), texts);
}

TEST_F(DataAccessLists, DependenciesAndPriceGroups) {
  for (int dependent : {11, 12}) {
    ItemDependencyRecord dependency;
    dependency.itemObjectId = 10;
    dependency.depItemObjectId = dependent;
    dependency.triggerQuantity = 4;
    dependency.depQuantity = 1.5;
    Store(dependency, &DataAccess::SaveItemDependency);
  }
  std::vector<ItemDependencyRecord> dependencies;
  Data().LoadItemDependencies(10, dependencies);
  ASSERT_EQ(dependencies.size(), 2u);
  EXPECT_EQ(dependencies[0].triggerQuantity, 4.0);
  EXPECT_EQ(dependencies[1].depQuantity, 1.5);
  Data().LoadItemDependencies(11, dependencies);
  EXPECT_EQ(dependencies.size(), 2u);

  for (const wchar_t* name : {L"Retail", L"Export", L"Wholesale"}) {
    PriceGroupRecord group;
    group.name = name;
    Store(group, &DataAccess::SavePriceGroup);
  }
  std::vector<PriceGroupRecord> groups;
  Data().LoadPriceGroups(groups);
  EXPECT_EQ(Names(groups), (std::vector<std::wstring>{L"Export", L"Retail", L"Wholesale"}));
  EXPECT_EQ(groups[0].direction, 2);
  EXPECT_TRUE(groups[0].forSelling);
}

}  // namespace
