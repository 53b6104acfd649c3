// DataAccess: the list queries of items, item groups, prices and the
// reference tables. Every loader appends to the caller's container.

#include <map>

#include "data/Connection.h"
#include "data/DataAccess.h"
#include "data/DataAccessRows.h"
#include "data/SqlLiteral.h"
#include "data/ibase/ibData.h"
#include "data/ibase/ibReader.h"

using namespace dataaccess;

namespace {

void ReadNames(const wchar_t* sql, std::set<std::wstring>& names) {
  SqlBuilder text;
  text << sql << std::endl;
  TranslateDbErrors(
      [&] { ReadRows(text.str(), [&](ibase::ibData& data) { names.insert(data.GetString(0)); }); });
}

void ReadFixedIds(const wchar_t* sql, std::vector<int>& ids) {
  SqlBuilder text;
  text << sql << std::endl;
  TranslateDbErrors([&] { ReadIds(text.str(), ids); });
}

std::wstring SubGroupsSql(int groupId) {
  SqlBuilder text;
  text << L"SELECT OBJECT_ID FROM ITEM_GROUPS WHERE PARENT_OBJECT_ID = " << groupId << L";";
  return text.str();
}

}  // namespace

void DataAccess::LoadPriceListIdsOfItem(int itemId, std::map<int, int>& priceRowByGroup) const {
  SqlBuilder text;
  text << L"SELECT DISTINCT PRICE_GROUP_OBJECT_ID, OBJECT_ID FROM PRICE_LIST WHERE ITEM_OBJECT_ID = "
       << itemId << std::endl;
  // insert keeps an existing key: of two rows in one group the first fetched wins.
  TranslateDbErrors([&] {
    ReadRows(text.str(), [&](ibase::ibData& data) {
      priceRowByGroup.insert({data.GetLong(0), data.GetLong(1)});
    });
  });
}

void DataAccess::LoadAddressNames(std::set<std::wstring>& names) const {
  ReadNames(L"SELECT DISTINCT NAME FROM ADDRESSES ORDER BY NAME ASC;", names);
}
void DataAccess::LoadPhoneNames(std::set<std::wstring>& names) const {
  ReadNames(L"SELECT DISTINCT NAME FROM PHONES ORDER BY NAME ASC;", names);
}
void DataAccess::LoadWebNames(std::set<std::wstring>& names) const {
  ReadNames(L"SELECT DISTINCT NAME FROM WEBS ORDER BY NAME ASC;", names);
}
void DataAccess::LoadEmailNames(std::set<std::wstring>& names) const {
  ReadNames(L"SELECT DISTINCT NAME FROM EMAILS ORDER BY NAME ASC;", names);
}

void DataAccess::LoadGroupChildIds(int groupId, std::vector<int>& ids) const {
  SqlBuilder items;
  items << L"SELECT OBJECT_ID FROM ITEMS WHERE ITEMS_GROUP_OBJECT_ID = " << groupId << L";";
  TranslateDbErrors([&] {
    // The sub-group reader stays open (and holds the read transaction it may
    // have started) while the items are read.
    ibase::ibReader groups(GetDatabase());
    groups.Open(SubGroupsSql(groupId));
    ibase::ibData data(&groups);
    while (groups.Fetch()) ids.push_back(data.GetLong(0));
    ReadIds(items.str(), ids);
  });
}

void DataAccess::LoadSubGroupIds(int groupId, std::vector<int>& ids) const {
  TranslateDbErrors([&] { ReadIds(SubGroupsSql(groupId), ids); });
}

void DataAccess::LoadTopLevelGroupIds(std::vector<int>& ids) const {
  ReadFixedIds(
      L"SELECT OBJECT_ID FROM ITEM_GROUPS WHERE PARENT_OBJECT_ID = 0 OR PARENT_OBJECT_ID IS NULL ORDER BY "
      L"NAME;",
      ids);
}
void DataAccess::LoadMeasurementIds(std::vector<int>& ids) const {
  ReadFixedIds(L"SELECT OBJECT_ID FROM MEASUREMENTS ORDER BY NAME;", ids);
}
void DataAccess::LoadTaxIds(std::vector<int>& ids) const {
  ReadFixedIds(L"SELECT OBJECT_ID FROM TAXES ORDER BY NAME;", ids);
}
void DataAccess::LoadDaysConditionIds(std::vector<int>& ids) const {
  ReadFixedIds(L"SELECT OBJECT_ID FROM DAYS_CONDITION ORDER BY NAME;", ids);
}
void DataAccess::LoadTemplateIds(std::vector<int>& ids) const {
  ReadFixedIds(L"SELECT OBJECT_ID FROM TEMPLATES ORDER BY NAME;", ids);
}
void DataAccess::LoadPhoneCodeIds(std::vector<int>& ids) const {
  ReadFixedIds(L"SELECT OBJECT_ID FROM PHONE_CODES ORDER BY COUNTRY;", ids);
}
void DataAccess::LoadCountryIds(std::vector<int>& ids) const {
  ReadFixedIds(L"SELECT OBJECT_ID FROM COUNTRIES ORDER BY NAME;", ids);
}

void DataAccess::LoadCountryRefIds(std::vector<int>& ids, const std::wstring& kind, int countryId) const {
  SqlBuilder country;
  if (countryId != 0)
    country << L" = " << countryId;
  else
    country << L" IS NULL ";
  SqlBuilder text;
  text << L"SELECT OBJECT_ID FROM COUNTRIES_REF WHERE COUNTRIES_OBJECT_ID " << country.str()
       << L" AND REF_TYPE = " << sql::Text(kind) << L" ORDER BY NAME;" << std::endl;
  TranslateDbErrors([&] { ReadIds(text.str(), ids); });
}

void DataAccess::LoadItemDependencies(int itemId, std::vector<ItemDependencyRecord>& records) const {
  SqlBuilder text;
  text << L"SELECT " << ItemDependencyColumns() << L" FROM ITEM_DEPENDENCIES " << L" WHERE ITEM_OBJECT_ID = "
       << itemId << L";" << std::endl;
  ReadRecords(text.str(), records);
}

// Items and prices are joined here, not in SQL: one pass over the group's
// price rows into a map by item, then one pass over all items in NAME order.
void DataAccess::LoadPriceListsOfGroup(int priceGroupId, std::vector<PriceListRecord>& records) const {
  SqlBuilder itemsSql;
  itemsSql << L"SELECT " << ItemColumns() << L" FROM ITEMS ORDER BY NAME;" << std::endl;
  SqlBuilder pricesSql;
  pricesSql << L"SELECT " << PriceListColumns() << L" FROM PRICE_LIST WHERE PRICE_GROUP_OBJECT_ID = "
            << priceGroupId << L";" << std::endl;
  TranslateDbErrors([&] {
    ibase::ibReader items(GetDatabase());
    items.Open(itemsSql.str());
    ibase::ibReader prices(GetDatabase());
    prices.Open(pricesSql.str());

    std::map<int, PriceListRecord> priceByItem;
    ibase::ibData priceData(&prices);
    while (prices.Fetch()) {
      PriceListRecord price;
      ReadRow(priceData, price);
      priceByItem.insert({price.itemObjectId, price});
    }

    ibase::ibData itemData(&items);
    while (items.Fetch()) {
      ItemRecord item;
      ReadRow(itemData, item);
      auto found = priceByItem.find(item.id.GetId());
      if (found != priceByItem.end()) {
        records.push_back(found->second);
      } else {
        PriceListRecord blank;
        blank.itemObjectId = item.id.GetId();
        records.push_back(blank);
      }
    }
  });
}

void DataAccess::LoadItemsOfGroups(const std::set<int>& groupIds, std::vector<ItemRecord>& records) const {
  SqlBuilder text;
  text << L"SELECT " << ItemColumns() << L" FROM ITEMS ";
  if (!groupIds.empty()) {
    text << L" WHERE ITEMS_GROUP_OBJECT_ID IN (";
    bool first = true;
    for (int id : groupIds) {
      if (!first) text << L",";
      text << id;
      first = false;
    }
    text << L")";
  }
  text << L" ORDER BY NAME;" << std::endl;
  ReadRecords(text.str(), records);
}

void DataAccess::LoadItemsContaining(const std::wstring& search, std::vector<ItemRecord>& records) const {
  const std::wstring quoted = sql::Text(search);
  SqlBuilder text;
  text << L"SELECT " << ItemColumns() << L" FROM ITEMS " << L" WHERE NAME CONTAINING " << quoted
       << L" OR CODE CONTAINING " << quoted << L" ORDER BY NAME;" << std::endl;
  ReadRecords(text.str(), records);
}

void DataAccess::LoadPriceGroups(std::vector<PriceGroupRecord>& records) const {
  SqlBuilder text;
  text << L"SELECT " << PriceGroupColumns() << L" FROM PRICE_GROUP " << L" ORDER BY NAME;" << std::endl;
  ReadRecords(text.str(), records);
}

std::optional<std::wstring> DataAccess::FindItemName(int itemId) const {
  SqlBuilder text;
  text << L"SELECT NAME FROM ITEMS WHERE OBJECT_ID = " << itemId << L";" << std::endl;
  std::optional<std::wstring> name;
  TranslateDbErrors([&] {
    ReadRows(
        text.str(), [&](ibase::ibData& data) { name = data.GetString(0); }, true);
  });
  return name;
}
