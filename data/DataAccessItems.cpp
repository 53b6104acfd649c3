// DataAccess: the object itself, the OBJECTS rows and the item-side tables.

#include "data/Connection.h"
#include "data/DataAccess.h"
#include "data/DataAccessRows.h"
#include "data/SqlLiteral.h"
#include "data/SqlText.h"
#include "data/ibase/ibData.h"
#include "data/ibase/ibDatabase.h"
#include "data/ibase/ibTransaction.h"

using namespace dataaccess;

DataAccess& DataAccess::Instance() {
  static DataAccess instance;
  return instance;
}

void DataAccess::ExecuteSql(const std::wstring& sql) const {
  ::ExecuteSql(sql);
}
void DataAccess::BeginDbTransaction() const {
  ::BeginDbTransaction();
}
void DataAccess::CommitDbTransaction() const {
  ::CommitDbTransaction();
}
void DataAccess::DropDbTransaction() const {
  ::DropDbTransaction();
}

void DataAccess::LoadObjectHeader(int id, ObjectHeader& header) const {
  SqlBuilder text;
  text
      << L"SELECT OBJECT_ID, CREATED_ON, MODIFIED_ON, CREATED_BY, MODIFIED_BY FROM OBJECTS WHERE OBJECT_ID = "
      << id << L";" << std::endl;
  bool found = TranslateDbErrors([&] {
    return ReadRows(
        text.str(),
        [&](ibase::ibData& data) {
          header.id.Reset(data.GetLong(0));
          header.createdOn = data.GetTimestamp(1);
          header.modifiedOn = data.GetTimestamp(2);
          header.createdBy = data.GetLong(3);
          header.modifiedBy = data.GetLong(4);
        },
        true);
  });
  if (!found) throw Invoice::DbException(L"Object not found!");
}

void DataAccess::SaveObjectHeader(ObjectHeader& header) const {
  TranslateDbErrors([&] {
    const std::wstring now = CurrentTimestampLiteral();
    const std::wstring createdBy = sql::IdOrNull(header.createdBy);
    const std::wstring modifiedBy = sql::IdOrNull(header.modifiedBy);
    const int id = header.id.GetId();
    SqlBuilder text;
    if (id < 1) {
      const std::wstring insert = L"INSERT INTO OBJECTS (CREATED_ON,MODIFIED_ON,CREATED_BY,MODIFIED_BY) VALUES (" +
                                  now + L"," + now + L"," + createdBy + L"," + modifiedBy + L")";
      // Outside a unit of work a reader would insert in a transaction of its
      // own and roll it back, handing out the id of a row that is gone: the
      // plain insert is refused there by the client instead, as every write is.
      if (!GetDatabase()->GetTransaction()->IsActive()) {
        Execute(insert + L";");
        return;
      }
      // The database numbers the row on insert and the insert returns that
      // number, so no look over the whole table for the largest id is needed.
      // A returning insert gives no cursor to fetch from; a selectable block
      // around it does.
      text << L"EXECUTE BLOCK RETURNS (OBJECT_ID INTEGER) AS BEGIN " << insert
           << L" RETURNING OBJECT_ID INTO :OBJECT_ID; SUSPEND; END";
      ReadRows(text.str(), [&](ibase::ibData& data) { header.id.SetId(data.GetLong(0)); }, true);
    } else {
      text << L"UPDATE OBJECTS SET " << L"MODIFIED_ON = " << now << L"," << L"MODIFIED_BY = " << modifiedBy
           << L" WHERE OBJECT_ID = " << id << L";";
      Execute(text.str());
    }
  });
}

void DataAccess::DeleteObjectHeader(int id) const {
  SqlBuilder text;
  text << L"DELETE FROM OBJECTS " << L" WHERE OBJECT_ID = " << id << L";" << std::endl;
  TranslateDbErrors([&] { Execute(text.str()); });
}

void DataAccess::LoadItem(int id, ItemRecord& record) const {
  LoadRecord(ItemTable(), id, record);
}
void DataAccess::SaveItem(ItemRecord& record, int id) const {
  SaveRecord(ItemTable(), record, id);
}
void DataAccess::DeleteItem(int id) const {
  DeleteRecord(ItemTable(), id);
}

void DataAccess::LoadItemGroup(int id, ItemGroupRecord& record) const {
  LoadRecord(ItemGroupTable(), id, record);
}
void DataAccess::SaveItemGroup(ItemGroupRecord& record, int id) const {
  SaveRecord(ItemGroupTable(), record, id);
}
void DataAccess::DeleteItemGroup(int id) const {
  DeleteRecord(ItemGroupTable(), id);
}

void DataAccess::LoadMeasurement(int id, MeasurementRecord& record) const {
  LoadRecord(MeasurementTable(), id, record);
}
void DataAccess::SaveMeasurement(MeasurementRecord& record, int id) const {
  SaveRecord(MeasurementTable(), record, id);
}
void DataAccess::DeleteMeasurement(int id) const {
  DeleteRecord(MeasurementTable(), id);
}

void DataAccess::LoadTax(int id, TaxRecord& record) const {
  LoadRecord(TaxTable(), id, record);
}
void DataAccess::SaveTax(TaxRecord& record, int id) const {
  SaveRecord(TaxTable(), record, id);
}
void DataAccess::DeleteTax(int id) const {
  DeleteRecord(TaxTable(), id);
}

void DataAccess::LoadItemInput(int id, ItemInputRecord& record) const {
  LoadRecord(ItemInputTable(), id, record);
}
void DataAccess::SaveItemInput(ItemInputRecord& record, int id) const {
  SaveRecord(ItemInputTable(), record, id);
}
void DataAccess::DeleteItemInput(int id) const {
  DeleteRecord(ItemInputTable(), id);
}

void DataAccess::LoadItemOutput(int id, ItemOutputRecord& record) const {
  LoadRecord(ItemOutputTable(), id, record);
}
void DataAccess::SaveItemOutput(ItemOutputRecord& record, int id) const {
  SaveRecord(ItemOutputTable(), record, id);
}
void DataAccess::DeleteItemOutput(int id) const {
  DeleteRecord(ItemOutputTable(), id);
}

void DataAccess::LoadItemDependency(int id, ItemDependencyRecord& record) const {
  LoadRecord(ItemDependencyTable(), id, record);
}
void DataAccess::SaveItemDependency(ItemDependencyRecord& record, int id) const {
  SaveRecord(ItemDependencyTable(), record, id);
}
void DataAccess::DeleteItemDependency(int id) const {
  DeleteRecord(ItemDependencyTable(), id);
}

void DataAccess::SaveItemDepMod(ItemDepModRecord& record, int id) const {
  SaveRecord(ItemDepModTable(), record, id);
}

void DataAccess::LoadItemDepModByDependentItem(int dependentItemId, ItemDepModRecord& record) const {
  SqlBuilder text;
  text << L"SELECT " << ItemDepModColumns() << L" FROM ITEM_DEP_MOD " << L" WHERE DEP_ITEM_OBJECT_ID = "
       << dependentItemId << L";" << std::endl;
  TranslateDbErrors([&] {
    ReadRows(
        text.str(), [&](ibase::ibData& data) { ReadRow(data, record); }, true);
  });
}

int DataAccess::FindPriceListId(int itemId, int priceGroupId) const {
  SqlBuilder text;
  text << L"SELECT OBJECT_ID FROM PRICE_LIST " << L" WHERE PRICE_GROUP_OBJECT_ID = " << priceGroupId
       << L" AND ITEM_OBJECT_ID = " << itemId << L";" << std::endl;
  return TranslateDbErrors([&] { return ReadFirstId(text.str()); });
}
