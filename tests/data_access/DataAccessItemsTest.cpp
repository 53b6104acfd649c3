#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DataAccessFixture.h"
#include "data/TransactionScope.h"

namespace {

using corvane::test::CallRecorder;
using corvane::test::FailureText;

class DataAccessItems : public corvane::test::DataAccessTest {};

const wchar_t kNow[] = L"CAST ('2006-03-09 14:05:07' AS TIMESTAMP)";

TEST_F(DataAccessItems, SavingANewItemInsertsObjectsRowReturningItsIdThenItemsRowUnderThatId) {
  ItemRecord item;
  item.name = L"O'Brien";
  item.defInputSourceType = 0;
  ObjectHeader header;
  CallRecorder recorder;
  Data().SaveObjectHeader(header);
  Data().SaveItem(item, header.id.GetId());

  const int id = header.id.GetId();
  ASSERT_GT(id, 0);
  EXPECT_EQ(item.id.GetId(), id);
  const std::vector<std::wstring> expected = {
      std::wstring(L"EXECUTE BLOCK RETURNS (OBJECT_ID INTEGER) AS BEGIN "
                   L"INSERT INTO OBJECTS (CREATED_ON,MODIFIED_ON,CREATED_BY,MODIFIED_BY) VALUES (") +
          kNow + L"," + kNow + L",NULL,NULL) RETURNING OBJECT_ID INTO :OBJECT_ID; SUSPEND; END",
      L"INSERT INTO ITEMS "
      L"(OBJECT_ID,ITEMS_GROUP_OBJECT_ID,NAME,TAX_OBJECT_ID,MEASUREMENT_OBJECT_ID,BASE_UNIT,"
      L"QUANTITY_ON_STOCK,NUM_IN_PACK,CODE,DEF_INPUT_SOURCE_TYPE) VALUES (" +
          std::to_wstring(id) + L",NULL,'O''Brien',NULL,NULL,NULL,0,NULL,NULL,NULL);\n"};
  EXPECT_EQ(Statements(recorder), expected);
}

TEST_F(DataAccessItems, SavingAStoredItemUpdatesBothRowsAndNeverWritesTheDefaultPrice) {
  ItemRecord item;
  item.name = L"Bolt";
  item.taxObjectId = 7;
  item.baseUnit = 0.5;
  item.quantityOnStock = 1234567.89;
  item.numInPack = 12;
  item.code = L"B-1";
  item.defaultPrice = 99.0;
  ObjectHeader header;
  Data().SaveObjectHeader(header);
  Data().SaveItem(item, header.id.GetId());
  const std::wstring id = std::to_wstring(header.id.GetId());

  CallRecorder recorder;
  Data().SaveObjectHeader(header);
  Data().SaveItem(item, header.id.GetId());
  const std::vector<std::wstring> expected = {
      std::wstring(L"UPDATE OBJECTS SET MODIFIED_ON = ") + kNow + L",MODIFIED_BY = NULL WHERE OBJECT_ID = " +
          id + L";",
      L"UPDATE ITEMS SET ITEMS_GROUP_OBJECT_ID = NULL,NAME = 'Bolt',TAX_OBJECT_ID = 7,MEASUREMENT_OBJECT_ID "
      L"= "
      L"NULL,BASE_UNIT = 0.5,QUANTITY_ON_STOCK = 1234567.89,NUM_IN_PACK = 12,CODE = 'B-1',"
      L"DEF_INPUT_SOURCE_TYPE = 2 WHERE OBJECT_ID = " +
          id + L";\n"};
  EXPECT_EQ(Statements(recorder), expected);
  EXPECT_EQ(Column(L"SELECT DEFAULT_PRICE FROM ITEMS").at(0), L"NULL");
}

TEST_F(DataAccessItems, LoadAndDeleteTextsHaveTheirDoubleBlanks) {
  ItemRecord item;
  CallRecorder recorder;
  Data().LoadItem(42, item);
  Data().DeleteItem(42);
  Data().LoadTax(42, *std::make_unique<TaxRecord>());
  const std::vector<std::wstring> expected = {
      L"SELECT  OBJECT_ID,ITEMS_GROUP_OBJECT_ID,NAME,TAX_OBJECT_ID,MEASUREMENT_OBJECT_ID,BASE_UNIT,"
      L"QUANTITY_ON_STOCK,NUM_IN_PACK,DEFAULT_PRICE,CODE,DEF_INPUT_SOURCE_TYPE  FROM ITEMS WHERE OBJECT_ID = "
      L"42;\n",
      L"DELETE FROM ITEMS  WHERE OBJECT_ID = 42;\n",
      L"SELECT OBJECT_ID,NAME,PERCENT FROM TAXES WHERE OBJECT_ID = 42;\n"};
  EXPECT_EQ(Statements(recorder), expected);
}

TEST_F(DataAccessItems, ItemRoundTripKeepsEveryValue) {
  ItemGroupRecord group;
  group.name = L"Hardware";
  const int groupId = Store(group, &DataAccess::SaveItemGroup);
  ItemRecord item;
  item.itemsGroupObjectId = groupId;
  item.name = L"Šraf M8 – «inox»";
  item.taxObjectId = 3;
  item.measurementObjectId = 4;
  item.baseUnit = 0.001;
  item.quantityOnStock = 1234567.5;
  item.numInPack = 100;
  item.code = L"ŠM8";
  item.defInputSourceType = 1;
  const int id = Store(item, &DataAccess::SaveItem);

  ItemRecord read;
  Data().LoadItem(id, read);
  EXPECT_EQ(read.id.GetId(), id);
  EXPECT_EQ(read.itemsGroupObjectId, groupId);
  EXPECT_EQ(read.name, item.name);
  EXPECT_EQ(read.taxObjectId, 3);
  EXPECT_EQ(read.measurementObjectId, 4);
  EXPECT_EQ(read.baseUnit, 0.001);
  EXPECT_EQ(read.quantityOnStock, 1234567.5);
  EXPECT_EQ(read.numInPack, 100);
  EXPECT_EQ(read.code, L"ŠM8");
  EXPECT_EQ(read.defInputSourceType, 1);
}

TEST_F(DataAccessItems, RealsKeepEveryDigit) {
  // Six significant digits would store 1234570 and 0.333333.
  for (double value : {1234567.89, 1.0 / 3.0, 1e-7, 98765432.125, -0.1}) {
    TaxRecord tax;
    tax.name = L"T";
    tax.percent = value;
    const int id = Store(tax, &DataAccess::SaveTax);
    TaxRecord read;
    Data().LoadTax(id, read);
    EXPECT_EQ(read.percent, value);
  }
}

TEST_F(DataAccessItems, ZeroValuesOfOptionalColumnsAreStoredAsNull) {
  ItemRecord item;
  item.name = L"";
  item.defInputSourceType = 0;
  const int id = Store(item, &DataAccess::SaveItem);
  const std::wstring where = L" FROM ITEMS WHERE OBJECT_ID = " + std::to_wstring(id);
  for (const wchar_t* column : {L"ITEMS_GROUP_OBJECT_ID", L"TAX_OBJECT_ID", L"MEASUREMENT_OBJECT_ID",
                                L"BASE_UNIT", L"NUM_IN_PACK", L"CODE", L"DEF_INPUT_SOURCE_TYPE"})
    EXPECT_EQ(Column(std::wstring(L"SELECT ") + column + where).at(0), L"NULL") << column;
  EXPECT_EQ(Column(L"SELECT NAME" + where).at(0), L"");
  EXPECT_EQ(ReadDouble(L"SELECT QUANTITY_ON_STOCK" + where), 0.0);

  ItemRecord read;
  Data().LoadItem(id, read);
  EXPECT_EQ(read.baseUnit, 0.0);
  EXPECT_EQ(read.code, L"");
  EXPECT_EQ(read.defInputSourceType, 0);
}

TEST_F(DataAccessItems, StockLinesRoundTrip) {
  ItemRecord item;
  item.name = L"Nut";
  const int itemId = Store(item, &DataAccess::SaveItem);

  ItemInputRecord input;
  input.itemObjectId = itemId;
  input.quantity = 25.5;
  input.basePrice = 1.25;
  input.taxPercent = 18;
  input.discountPercent = 2.5;
  input.inputSourceType = 1;
  input.measurement = L"kg";
  input.baseUnit = 1000;
  const int inputId = Store(input, &DataAccess::SaveItemInput);

  ItemOutputRecord output;
  output.itemObjectId = itemId;
  output.quantity = 3;
  output.outputDestType = 3;
  output.itemInputId = inputId;
  const int outputId = Store(output, &DataAccess::SaveItemOutput);

  ItemInputRecord readInput;
  Data().LoadItemInput(inputId, readInput);
  EXPECT_EQ(readInput.id.GetId(), inputId);
  EXPECT_EQ(readInput.itemObjectId, itemId);
  EXPECT_EQ(readInput.quantity, 25.5);
  EXPECT_EQ(readInput.invoiceObjectId, 0);
  EXPECT_EQ(readInput.basePrice, 1.25);
  EXPECT_EQ(readInput.taxPercent, 18.0);
  EXPECT_EQ(readInput.discountPercent, 2.5);
  EXPECT_EQ(readInput.manuComapnyId, 0);
  EXPECT_EQ(readInput.inputSourceType, 1);
  EXPECT_EQ(readInput.measurement, L"kg");
  EXPECT_EQ(readInput.baseUnit, 1000.0);

  ItemOutputRecord readOutput;
  Data().LoadItemOutput(outputId, readOutput);
  EXPECT_EQ(readOutput.quantity, 3.0);
  EXPECT_EQ(readOutput.outputDestType, 3);
  EXPECT_EQ(readOutput.itemInputId, inputId);
  EXPECT_EQ(readOutput.measurement, L"");

  Data().DeleteItemOutput(outputId);
  Data().DeleteItemInput(inputId);
  EXPECT_EQ(CountRows(L"ITEM_INPUT"), 0);
  EXPECT_EQ(CountRows(L"ITEM_OUTPUT"), 0);
}

TEST_F(DataAccessItems, DependencyAndCarriedRemainder) {
  ItemDependencyRecord dependency;
  dependency.itemObjectId = 5;
  dependency.depItemObjectId = 6;
  dependency.triggerQuantity = 10;
  dependency.depQuantity = 0.25;
  const int id = Store(dependency, &DataAccess::SaveItemDependency);
  ItemDependencyRecord read;
  Data().LoadItemDependency(id, read);
  EXPECT_EQ(read.depItemObjectId, 6);
  EXPECT_EQ(read.depQuantity, 0.25);

  ItemDepModRecord none;
  none.modQuantity = -1;
  Data().LoadItemDepModByDependentItem(6, none);
  EXPECT_EQ(none.modQuantity, -1);  // untouched

  ItemDepModRecord carried;
  carried.itemInputId = 9;
  carried.depItemObjectId = 6;
  carried.modQuantity = 5;
  const int modId = Store(carried, &DataAccess::SaveItemDepMod);
  carried.modQuantity = 7.5;
  Data().SaveItemDepMod(carried, 0);  // stored: updates its own row
  ItemDepModRecord found;
  Data().LoadItemDepModByDependentItem(6, found);
  EXPECT_EQ(found.id.GetId(), modId);
  EXPECT_EQ(found.modQuantity, 7.5);
  EXPECT_EQ(CountRows(L"ITEM_DEP_MOD"), 1);
}

TEST_F(DataAccessItems, CopiesOfARecordShareTheIdTheFirstSaveGives) {
  MeasurementRecord original;
  original.name = L"Piece";
  MeasurementRecord copy = original;
  const int id = Store(original, &DataAccess::SaveMeasurement);
  EXPECT_EQ(copy.id.GetId(), id);
  copy.shortcut = L"pc";
  Data().SaveMeasurement(copy, 0);  // an update, not a second row
  EXPECT_EQ(CountRows(L"MEASUREMENTS"), 1);
  MeasurementRecord read;
  Data().LoadMeasurement(id, read);
  EXPECT_EQ(read.shortcut, L"pc");
}

TEST_F(DataAccessItems, MissingRowsLeaveRecordsUntouchedAndDeleteSilently) {
  ItemGroupRecord group;
  group.name = L"kept";
  Data().LoadItemGroup(12345, group);
  EXPECT_EQ(group.name, L"kept");
  EXPECT_EQ(group.id.GetId(), 0);
  Data().DeleteItemGroup(12345);
  Data().DeleteItemGroup(12345);
  Data().DeleteObjectHeader(12345);
}

TEST_F(DataAccessItems, ObjectHeaderRoundTripAndMissingRow) {
  ObjectHeader header;
  header.createdBy = 3;
  header.modifiedBy = 4;
  Data().SaveObjectHeader(header);
  ObjectHeader read;
  Data().LoadObjectHeader(header.id.GetId(), read);
  EXPECT_EQ(read.id.GetId(), header.id.GetId());
  EXPECT_EQ(read.createdOn.tm_year, 106);
  EXPECT_EQ(read.modifiedOn.tm_sec, 7);
  EXPECT_EQ(read.createdBy, 3);
  EXPECT_EQ(read.modifiedBy, 4);

  EXPECT_EQ(FailureText([&] { Data().LoadObjectHeader(header.id.GetId() + 100, read); }),
            L"Object not found!");
  Data().DeleteObjectHeader(header.id.GetId());
  EXPECT_EQ(CountRows(L"OBJECTS"), 1);  // only the "version" setting's row is left
}

// A row stored under an id of its own far above the numbering (as an import
// may leave) is not the row a new object just inserted.
TEST_F(DataAccessItems, ANewObjectGetsTheIdOfTheRowItInsertedNotTheLargestId) {
  ObjectHeader first;
  Data().SaveObjectHeader(first);
  Data().ExecuteSql(L"INSERT INTO OBJECTS (OBJECT_ID) VALUES (" + std::to_wstring(first.id.GetId() + 1000) + L")");
  ObjectHeader second;
  second.createdBy = 9;
  Data().SaveObjectHeader(second);
  EXPECT_EQ(second.id.GetId(), first.id.GetId() + 1);
  ObjectHeader read;
  Data().LoadObjectHeader(second.id.GetId(), read);
  EXPECT_EQ(read.createdBy, 9);
}

TEST_F(DataAccessItems, ANewObjectOutsideAUnitOfWorkIsRefusedAndGetsNoId) {
  CommitDbTransaction();
  ObjectHeader header;
  EXPECT_FALSE(FailureText([&] { Data().SaveObjectHeader(header); }).empty());
  EXPECT_LT(header.id.GetId(), 1);
  EXPECT_EQ(CountRows(L"OBJECTS"), 1);  // only the "version" setting's row
  BeginDbTransaction();
}

// Texts at a column's limits: MEASUREMENTS.NAME holds 50 characters.
TEST_F(DataAccessItems, TextsWithQuotesNonAsciiAndFullLengthRoundTrip) {
  const std::vector<std::wstring> texts = {L"it's ''quoted''", L"Ćevapi – Жълт – 東京 – 🙂",
                                           std::wstring(50, L'x'), std::wstring(50, L'€'), L"%_\\;--"};
  for (const std::wstring& text : texts) {
    MeasurementRecord measurement;
    measurement.name = text;
    measurement.shortcut = text.substr(0, 20);
    const int id = Store(measurement, &DataAccess::SaveMeasurement);
    MeasurementRecord read;
    Data().LoadMeasurement(id, read);
    EXPECT_EQ(read.name, text);
    EXPECT_EQ(read.shortcut, text.substr(0, 20));
  }
}

// UNICODE_FSS columns hold up to three bytes per declared character; a text
// the column cannot hold is refused by the database, inside the unit of work
// that a business object's save runs in, and nothing of it stays.
TEST_F(DataAccessItems, ATextLongerThanItsColumnIsRefusedWithTheDatabaseMessage) {
  for (const std::wstring& text : {std::wstring(151, L'x'), std::wstring(51, L'€')}) {
    ObjectHeader header;
    MeasurementRecord measurement;
    measurement.name = text;
    std::wstring failure;
    {
      TransactionScope scope;
      failure = FailureText([&] {
        Data().SaveObjectHeader(header);
        Data().SaveMeasurement(measurement, header.id.GetId());
        scope.Commit();
      });
    }
    EXPECT_NE(failure.find(L"string right truncation"), std::wstring::npos) << failure;
    EXPECT_EQ(measurement.id.GetId(), 0);  // the refused INSERT gives no id
    EXPECT_EQ(header.id.GetId(), 0);       // and the rollback takes the header's back
    EXPECT_EQ(CountRows(L"MEASUREMENTS"), 0);
    EXPECT_EQ(CountRows(L"OBJECTS"), 1);  // the "version" setting's row
  }
}

}  // namespace
