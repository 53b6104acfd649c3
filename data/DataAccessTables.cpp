#include <string>
#include <vector>

#include "data/DataAccess.h"
#include "data/DataAccessRows.h"
#include "data/SqlLiteral.h"
#include "data/ibase/ibData.h"

// The fixed texts of every class table, how a row is read into its record and
// which literal form each column is written in. The texts are the stored
// program's own, blanks included.

// SELECT column lists, one leading and one trailing blank each.
std::wstring DataAccess::ItemColumns() {
  return L" OBJECT_ID,ITEMS_GROUP_OBJECT_ID,NAME,TAX_OBJECT_ID,MEASUREMENT_OBJECT_ID,"
         L"BASE_UNIT,QUANTITY_ON_STOCK,NUM_IN_PACK,DEFAULT_PRICE,CODE,"
         L"DEF_INPUT_SOURCE_TYPE ";
}
std::wstring DataAccess::ItemGroupColumns() {
  return L" OBJECT_ID,PARENT_OBJECT_ID,NAME,TAX_OBJECT_ID,MEASUREMENT_OBJECT_ID,"
         L"DEF_INPUT_SOURCE_TYPE ";
}
std::wstring DataAccess::MeasurementColumns() {
  return L" OBJECT_ID,NAME,SHORTCUT ";
}
std::wstring DataAccess::ItemInputColumns() {
  return L" ITEM_INPUT.OBJECT_ID,ITEM_OBJECT_ID,QUANTITY,INVOICE_OBJECT_ID,BASE_PRICE,"
         L"TAX_PERCENT,DISCOUNT_PERCENT,MANU_COMAPNY_ID,SUPPLIER_COMPANY_ID,"
         L"INPUT_SOURCE_TYPE,MEASUREMENT,BASE_UNIT ";
}
std::wstring DataAccess::ItemOutputColumns() {
  return L" ITEM_OUTPUT.OBJECT_ID,ITEM_OBJECT_ID,QUANTITY,INVOICE_OBJECT_ID,BASE_PRICE,"
         L"TAX_PERCENT,DISCOUNT_PERCENT,OUTPUT_DEST_TYPE,ITEM_INPUT_ID,MEASUREMENT,"
         L"BASE_UNIT ";
}
std::wstring DataAccess::InvoiceColumns() {
  return L" OBJECT_ID, INVOICE_NUM, COMPANY_OBJECT_ID, DATUM, DAYS_CONDITION, TOTAL_AMOUNT,"
         L" TAX_AMOUNT, PAID, PAID_ON, LOCKED_FOR_EDIT, TEMPLATE_OBJECT_ID,"
         L"DISCOUNT_PERCENT,DISCOUNT_AMOUNT,DISPLAY_BOX,ADDRESS_OBJECT_ID,"
         L"COMPANY_OBJECT_ID_FROM,DISPLAY_BOX_FROM,INVOICE_TYPE,ADDRESS_OBJECT_ID_FROM ";
}
std::wstring DataAccess::CompanyColumns() {
  return L" OBJECT_ID, NAME, PRICE_GROUP_OBJECT_ID, DEFAULT_DISCOUNT,SELL_TO_THIS_ONE,"
         L" BUY_FROM_THIS_ONE ";
}
std::wstring DataAccess::AddressColumns() {
  return L" OBJECT_ID,NAME,DISPLAY_BOX,DEFAULT_ADDRESS,COMPANY_OBJECT_ID,ADDRESS_LINE1,"
         L"ADDRESS_LINE2,ADDRESS_LINE3,ADDRESS_ZIP,ADDRESS_CITY,ADDRESS_STATE,"
         L"ADDRESS_COUNTRY,DISPLAY_EDIT_ENABLED ";
}
std::wstring DataAccess::PriceGroupColumns() {
  return L" OBJECT_ID, NAME, DIRECTION, FOR_SELLING, FOR_BUYING ";
}
std::wstring DataAccess::PriceListColumns() {
  return L" OBJECT_ID,ITEM_OBJECT_ID,PRICE_GROUP_OBJECT_ID,PRICE,DISCOUNT_PERCENT ";
}
std::wstring DataAccess::SettingsColumns() {
  return L" OBJECT_ID, SETT_FIELD, SETT_VALUE ";
}
std::wstring DataAccess::ItemDependencyColumns() {
  return L" OBJECT_ID,ITEM_OBJECT_ID,DEP_ITEM_OBJECT_ID,TRIGGER_QUANTITY,DEP_QUANTITY ";
}
std::wstring DataAccess::ItemDepModColumns() {
  return L" OBJECT_ID,ITEM_INPUT_ID,DEP_ITEM_OBJECT_ID,MOD_QUANTITY ";
}
std::wstring DataAccess::DaysConditionColumns() {
  return L" OBJECT_ID,NAME,DAYS ";
}
std::wstring DataAccess::TemplateColumns() {
  return L" OBJECT_ID,NAME,FILE_NAME ";
}
std::wstring DataAccess::CountryColumns() {
  return L" OBJECT_ID,NAME ";
}
std::wstring DataAccess::CountryRefColumns() {
  return L" OBJECT_ID,NAME,REF_TYPE,COUNTRIES_OBJECT_ID ";
}
std::wstring DataAccess::PhoneColumns() {
  return L" OBJECT_ID,NAME,NUMBER,PHONE_DISPLAY,COUNTRY_PART,REGION_PART,COMPANY_OBJECT_ID ";
}
std::wstring DataAccess::WebColumns() {
  return L" OBJECT_ID,NAME,WEB,COMPANY_OBJECT_ID ";
}
std::wstring DataAccess::EmailColumns() {
  return L" OBJECT_ID,NAME,EMAIL,COMPANY_OBJECT_ID ";
}
std::wstring DataAccess::PhoneCodeColumns() {
  return L" OBJECT_ID,COUNTRY,CODE ";
}
std::wstring DataAccess::AccountColumns() {
  return L" OBJECT_ID,NAME,COMPANY_OBJECT_ID,ACCOUNT_TYPE,OPENING_DATE ";
}
std::wstring DataAccess::PaymentColumns() {
  return L" OBJECT_ID,DESCRIPTION,AMOUNT,COMPANY_PAYING_ID,COMPANY_RECIEVING_ID,"
         L"ACCOUNT_PAYING_ID,ACCOUNT_RECIEVING_ID,REFERENCE_OBJECT_ID,PAID_ON ";
}

namespace dataaccess {

// ITEMS

const TableText& ItemTable() {
  static const TableText table{
      L"SELECT " + DataAccess::ItemColumns() + L" FROM ITEMS WHERE OBJECT_ID = ",
      L"INSERT INTO ITEMS (OBJECT_ID,ITEMS_GROUP_OBJECT_ID,NAME,TAX_OBJECT_ID,"
      L"MEASUREMENT_OBJECT_ID,BASE_UNIT,QUANTITY_ON_STOCK,NUM_IN_PACK,CODE,"
      L"DEF_INPUT_SOURCE_TYPE) VALUES (",
      L"UPDATE ITEMS SET ",
      {L"ITEMS_GROUP_OBJECT_ID = ", L"NAME = ", L"TAX_OBJECT_ID = ", L"MEASUREMENT_OBJECT_ID = ",
       L"BASE_UNIT = ", L"QUANTITY_ON_STOCK = ", L"NUM_IN_PACK = ", L"CODE = ", L"DEF_INPUT_SOURCE_TYPE = "},
      L"DELETE FROM ITEMS "};
  return table;
}

void ReadFields(ibase::ibData& data, ItemRecord& record) {
  record.itemsGroupObjectId = data.GetLong(1);
  record.name = data.GetString(2);
  record.taxObjectId = data.GetLong(3);
  record.measurementObjectId = data.GetLong(4);
  record.baseUnit = data.GetDouble(5);
  record.quantityOnStock = data.GetDouble(6);
  record.numInPack = data.GetLong(7);
  record.defaultPrice = data.GetDouble(8);
  record.code = data.GetString(9);
  record.defInputSourceType = data.GetLong(10);
}

std::vector<std::wstring> RowValues(const ItemRecord& record) {
  return {sql::IdOrNull(record.itemsGroupObjectId), sql::Text(record.name),
          sql::IdOrNull(record.taxObjectId),        sql::IdOrNull(record.measurementObjectId),
          sql::RealOrNull(record.baseUnit),         sql::Real(record.quantityOnStock),
          sql::IdOrNull(record.numInPack),          sql::TextOrNull(record.code),
          sql::IdOrNull(record.defInputSourceType)};
}

// ITEM_GROUPS

const TableText& ItemGroupTable() {
  static const TableText table{
      L"SELECT " + DataAccess::ItemGroupColumns() + L" FROM ITEM_GROUPS WHERE OBJECT_ID = ",
      L"INSERT INTO ITEM_GROUPS (OBJECT_ID,PARENT_OBJECT_ID,NAME,TAX_OBJECT_ID,"
      L"MEASUREMENT_OBJECT_ID,DEF_INPUT_SOURCE_TYPE)VALUES (",
      L"UPDATE ITEM_GROUPS SET ",
      {L"PARENT_OBJECT_ID = ", L"NAME = ", L"TAX_OBJECT_ID = ", L"MEASUREMENT_OBJECT_ID = ",
       L"DEF_INPUT_SOURCE_TYPE = "},
      L"DELETE FROM ITEM_GROUPS "};
  return table;
}

void ReadFields(ibase::ibData& data, ItemGroupRecord& record) {
  record.parentObjectId = data.GetLong(1);
  record.name = data.GetString(2);
  record.taxObjectId = data.GetLong(3);
  record.measurementObjectId = data.GetLong(4);
  record.defInputSourceType = data.GetLong(5);
}

std::vector<std::wstring> RowValues(const ItemGroupRecord& record) {
  return {sql::IdOrNull(record.parentObjectId), sql::Text(record.name), sql::IdOrNull(record.taxObjectId),
          sql::IdOrNull(record.measurementObjectId), sql::IdOrNull(record.defInputSourceType)};
}

// MEASUREMENTS

const TableText& MeasurementTable() {
  static const TableText table{
      L"SELECT " + DataAccess::MeasurementColumns() + L" FROM MEASUREMENTS WHERE OBJECT_ID = ",
      L"INSERT INTO MEASUREMENTS (OBJECT_ID,NAME,SHORTCUT) VALUES (",
      L"UPDATE MEASUREMENTS SET ",
      {L"NAME = ", L"SHORTCUT = "},
      L"DELETE FROM MEASUREMENTS "};
  return table;
}

void ReadFields(ibase::ibData& data, MeasurementRecord& record) {
  record.name = data.GetString(1);
  record.shortcut = data.GetString(2);
}

std::vector<std::wstring> RowValues(const MeasurementRecord& record) {
  return {sql::Text(record.name), sql::Text(record.shortcut)};
}

// TAXES
const TableText& TaxTable() {
  static const TableText table{L"SELECT OBJECT_ID,NAME,PERCENT FROM TAXES WHERE OBJECT_ID = ",
                               L"INSERT INTO TAXES (OBJECT_ID,NAME,PERCENT) VALUES (",
                               L"UPDATE TAXES SET ",
                               {L"NAME = ", L"PERCENT = "},
                               L"DELETE FROM TAXES "};
  return table;
}

void ReadFields(ibase::ibData& data, TaxRecord& record) {
  record.name = data.GetString(1);
  record.percent = data.GetDouble(2);
}

std::vector<std::wstring> RowValues(const TaxRecord& record) {
  return {sql::Text(record.name), sql::Real(record.percent)};
}

// ITEM_INPUT

const TableText& ItemInputTable() {
  static const TableText table{
      L"SELECT " + DataAccess::ItemInputColumns() + L" FROM ITEM_INPUT WHERE OBJECT_ID = ",
      L"INSERT INTO ITEM_INPUT (OBJECT_ID,ITEM_OBJECT_ID,QUANTITY,INVOICE_OBJECT_ID,"
      L"BASE_PRICE,TAX_PERCENT,DISCOUNT_PERCENT, MANU_COMAPNY_ID,SUPPLIER_COMPANY_ID,"
      L"INPUT_SOURCE_TYPE,MEASUREMENT,BASE_UNIT)VALUES (",
      L"UPDATE ITEM_INPUT SET ",
      {L"ITEM_OBJECT_ID = ", L"QUANTITY = ", L"INVOICE_OBJECT_ID = ", L"BASE_PRICE = ", L"TAX_PERCENT = ",
       L"DISCOUNT_PERCENT = ", L"MANU_COMAPNY_ID = ", L"SUPPLIER_COMPANY_ID = ", L"INPUT_SOURCE_TYPE = ",
       L"MEASUREMENT = ", L"BASE_UNIT = "},
      L"DELETE FROM ITEM_INPUT "};
  return table;
}

void ReadFields(ibase::ibData& data, ItemInputRecord& record) {
  record.itemObjectId = data.GetLong(1);
  record.quantity = data.GetDouble(2);
  record.invoiceObjectId = data.GetLong(3);
  record.basePrice = data.GetDouble(4);
  record.taxPercent = data.GetDouble(5);
  record.discountPercent = data.GetDouble(6);
  record.manuComapnyId = data.GetLong(7);
  record.supplierCompanyId = data.GetLong(8);
  record.inputSourceType = data.GetLong(9);
  record.measurement = data.GetString(10);
  record.baseUnit = data.GetDouble(11);
}

std::vector<std::wstring> RowValues(const ItemInputRecord& record) {
  return {sql::Int(record.itemObjectId),         sql::Real(record.quantity),
          sql::IdOrNull(record.invoiceObjectId), sql::RealOrNull(record.basePrice),
          sql::RealOrNull(record.taxPercent),    sql::RealOrNull(record.discountPercent),
          sql::IdOrNull(record.manuComapnyId),   sql::IdOrNull(record.supplierCompanyId),
          sql::Int(record.inputSourceType),      sql::TextOrNull(record.measurement),
          sql::RealOrNull(record.baseUnit)};
}

// ITEM_OUTPUT

const TableText& ItemOutputTable() {
  static const TableText table{
      L"SELECT " + DataAccess::ItemOutputColumns() + L" FROM ITEM_OUTPUT WHERE OBJECT_ID = ",
      L"INSERT INTO ITEM_OUTPUT (OBJECT_ID,ITEM_OBJECT_ID,QUANTITY,INVOICE_OBJECT_ID,"
      L"BASE_PRICE,TAX_PERCENT,DISCOUNT_PERCENT, OUTPUT_DEST_TYPE,ITEM_INPUT_ID,"
      L"MEASUREMENT,BASE_UNIT)VALUES (",
      L"UPDATE ITEM_OUTPUT SET ",
      {L"ITEM_OBJECT_ID = ", L"QUANTITY = ", L"INVOICE_OBJECT_ID = ", L"BASE_PRICE = ", L"TAX_PERCENT = ",
       L"DISCOUNT_PERCENT = ", L"OUTPUT_DEST_TYPE = ", L"ITEM_INPUT_ID = ", L"MEASUREMENT = ",
       L"BASE_UNIT = "},
      L"DELETE FROM ITEM_OUTPUT "};
  return table;
}

void ReadFields(ibase::ibData& data, ItemOutputRecord& record) {
  record.itemObjectId = data.GetLong(1);
  record.quantity = data.GetDouble(2);
  record.invoiceObjectId = data.GetLong(3);
  record.basePrice = data.GetDouble(4);
  record.taxPercent = data.GetDouble(5);
  record.discountPercent = data.GetDouble(6);
  record.outputDestType = data.GetLong(7);
  record.itemInputId = data.GetLong(8);
  record.measurement = data.GetString(9);
  record.baseUnit = data.GetDouble(10);
}

std::vector<std::wstring> RowValues(const ItemOutputRecord& record) {
  return {sql::Int(record.itemObjectId),         sql::Real(record.quantity),
          sql::IdOrNull(record.invoiceObjectId), sql::RealOrNull(record.basePrice),
          sql::RealOrNull(record.taxPercent),    sql::RealOrNull(record.discountPercent),
          sql::Int(record.outputDestType),       sql::IdOrNull(record.itemInputId),
          sql::TextOrNull(record.measurement),   sql::RealOrNull(record.baseUnit)};
}

// INVOICES

const TableText& InvoiceTable() {
  static const TableText table{
      L"SELECT " + DataAccess::InvoiceColumns() + L" FROM INVOICES WHERE OBJECT_ID = ",
      L"INSERT INTO INVOICES (OBJECT_ID,INVOICE_NUM,COMPANY_OBJECT_ID,DATUM,"
      L"DAYS_CONDITION, TOTAL_AMOUNT,TAX_AMOUNT,PAID,PAID_ON,LOCKED_FOR_EDIT,"
      L"TEMPLATE_OBJECT_ID,DISCOUNT_PERCENT,DISCOUNT_AMOUNT,DISPLAY_BOX,"
      L"ADDRESS_OBJECT_ID,COMPANY_OBJECT_ID_FROM,DISPLAY_BOX_FROM,INVOICE_TYPE,"
      L"ADDRESS_OBJECT_ID_FROM) VALUES (",
      L"UPDATE INVOICES SET ",
      {L"INVOICE_NUM = ", L"COMPANY_OBJECT_ID = ", L"DATUM = ", L"DAYS_CONDITION = ", L"TOTAL_AMOUNT = ",
       L"TAX_AMOUNT = ", L"PAID = ", L"PAID_ON = ", L"LOCKED_FOR_EDIT = ", L"TEMPLATE_OBJECT_ID = ",
       L"DISCOUNT_PERCENT = ", L"DISCOUNT_AMOUNT = ", L"DISPLAY_BOX = ", L"ADDRESS_OBJECT_ID = ",
       L"COMPANY_OBJECT_ID_FROM = ", L"DISPLAY_BOX_FROM = ", L"INVOICE_TYPE = ",
       L"ADDRESS_OBJECT_ID_FROM = "},
      L"DELETE FROM INVOICES "};
  return table;
}

void ReadFields(ibase::ibData& data, InvoiceRecord& record) {
  record.invoiceNum = data.GetString(1);
  record.companyObjectId = data.GetLong(2);
  record.datum = data.GetTimestamp(3);
  record.daysCondition = data.GetLong(4);
  record.totalAmount = data.GetDouble(5);
  record.taxAmount = data.GetDouble(6);
  record.paid = data.GetShort(7) != 0;
  record.paidOn = data.GetTimestamp(8);
  record.lockedForEdit = data.GetShort(9) != 0;
  record.templateObjectId = data.GetLong(10);
  record.discountPercent = data.GetDouble(11);
  record.discountAmount = data.GetDouble(12);
  record.displayBox = data.GetString(13);
  record.addressObjectId = data.GetLong(14);
  record.companyObjectIdFrom = data.GetLong(15);
  record.displayBoxFrom = data.GetString(16);
  record.invoiceType = data.GetShort(17);
  record.addressObjectIdFrom = data.GetLong(18);
}

std::vector<std::wstring> RowValues(const InvoiceRecord& record) {
  return {sql::Text(record.invoiceNum),
          sql::IdOrNull(record.companyObjectId),
          sql::Timestamp(record.datum),
          sql::IdOrNull(record.daysCondition),
          sql::Real(record.totalAmount),
          sql::Real(record.taxAmount),
          sql::Flag(record.paid),
          sql::TimestampOrNull(record.paidOn),
          sql::Flag(record.lockedForEdit),
          sql::IdOrNull(record.templateObjectId),
          sql::RealOrNull(record.discountPercent),
          sql::RealOrNull(record.discountAmount),
          sql::TextOrNull(record.displayBox),
          sql::IdOrNull(record.addressObjectId),
          sql::IdOrNull(record.companyObjectIdFrom),
          sql::TextOrNull(record.displayBoxFrom),
          sql::Int(record.invoiceType),
          sql::IdOrNull(record.addressObjectIdFrom)};
}

// COMPANIES

const TableText& CompanyTable() {
  static const TableText table{
      L"SELECT " + DataAccess::CompanyColumns() + L" FROM COMPANIES WHERE OBJECT_ID = ",
      L"INSERT INTO COMPANIES (OBJECT_ID,NAME,PRICE_GROUP_OBJECT_ID,DEFAULT_DISCOUNT,"
      L"SELL_TO_THIS_ONE,BUY_FROM_THIS_ONE)VALUES (",
      L"UPDATE COMPANIES SET ",
      {L"NAME = ", L"PRICE_GROUP_OBJECT_ID = ", L"DEFAULT_DISCOUNT = ", L"SELL_TO_THIS_ONE = ",
       L"BUY_FROM_THIS_ONE = "},
      L"DELETE FROM COMPANIES "};
  return table;
}

void ReadFields(ibase::ibData& data, CompanyRecord& record) {
  record.name = data.GetString(1);
  record.priceGroupObjectId = data.GetLong(2);
  record.defaultDiscount = data.GetDouble(3);
  record.sellToThisOne = data.GetShort(4) != 0;
  record.buyFromThisOne = data.GetShort(5) != 0;
}

std::vector<std::wstring> RowValues(const CompanyRecord& record) {
  return {sql::Text(record.name), sql::IdOrNull(record.priceGroupObjectId),
          sql::RealOrNull(record.defaultDiscount), sql::Flag(record.sellToThisOne),
          sql::Flag(record.buyFromThisOne)};
}

// ADDRESSES

const TableText& AddressTable() {
  static const TableText table{
      L"SELECT " + DataAccess::AddressColumns() + L" FROM ADDRESSES WHERE OBJECT_ID = ",
      L"INSERT INTO ADDRESSES (OBJECT_ID,NAME,DISPLAY_BOX,DEFAULT_ADDRESS,"
      L"COMPANY_OBJECT_ID,ADDRESS_LINE1,ADDRESS_LINE2,ADDRESS_LINE3,ADDRESS_ZIP,"
      L"ADDRESS_CITY,ADDRESS_STATE,ADDRESS_COUNTRY,DISPLAY_EDIT_ENABLED)VALUES (",
      L"UPDATE ADDRESSES SET ",
      {L"NAME = ", L"DISPLAY_BOX = ", L"DEFAULT_ADDRESS = ", L"COMPANY_OBJECT_ID = ", L"ADDRESS_LINE1 = ",
       L"ADDRESS_LINE2 = ", L"ADDRESS_LINE3 = ", L"ADDRESS_ZIP = ", L"ADDRESS_CITY = ", L"ADDRESS_STATE = ",
       L"ADDRESS_COUNTRY = ", L"DISPLAY_EDIT_ENABLED = "},
      L"DELETE FROM ADDRESSES "};
  return table;
}

void ReadFields(ibase::ibData& data, AddressRecord& record) {
  record.name = data.GetString(1);
  record.displayBox = data.GetString(2);
  record.defaultAddress = data.GetShort(3) != 0;
  record.companyObjectId = data.GetLong(4);
  record.addressLine1 = data.GetString(5);
  record.addressLine2 = data.GetString(6);
  record.addressLine3 = data.GetString(7);
  record.addressZip = data.GetString(8);
  record.addressCity = data.GetString(9);
  record.addressState = data.GetString(10);
  record.addressCountry = data.GetString(11);
  record.displayEditEnabled = data.GetShort(12) != 0;
}

std::vector<std::wstring> RowValues(const AddressRecord& record) {
  return {sql::TextOrNull(record.name),           sql::Text(record.displayBox),
          sql::Flag(record.defaultAddress),       sql::Int(record.companyObjectId),
          sql::TextOrNull(record.addressLine1),   sql::TextOrNull(record.addressLine2),
          sql::TextOrNull(record.addressLine3),   sql::TextOrNull(record.addressZip),
          sql::TextOrNull(record.addressCity),    sql::TextOrNull(record.addressState),
          sql::TextOrNull(record.addressCountry), sql::Flag(record.displayEditEnabled)};
}

// PRICE_GROUP

const TableText& PriceGroupTable() {
  static const TableText table{
      L"SELECT " + DataAccess::PriceGroupColumns() + L" FROM PRICE_GROUP WHERE OBJECT_ID = ",
      L"INSERT INTO PRICE_GROUP (OBJECT_ID,NAME,DIRECTION,FOR_SELLING,"
      L"FOR_BUYING)VALUES (",
      L"UPDATE PRICE_GROUP SET ",
      {L"NAME = ", L" DIRECTION = ", L"FOR_SELLING = ", L"FOR_BUYING = "},
      L"DELETE FROM PRICE_GROUP "};
  return table;
}

void ReadFields(ibase::ibData& data, PriceGroupRecord& record) {
  record.name = data.GetString(1);
  record.direction = data.GetLong(2);
  record.forSelling = data.GetShort(3) != 0;
  record.forBuying = data.GetShort(4) != 0;
}

std::vector<std::wstring> RowValues(const PriceGroupRecord& record) {
  return {sql::Text(record.name), sql::Int(record.direction), sql::Flag(record.forSelling),
          sql::Flag(record.forBuying)};
}

// PRICE_LIST

const TableText& PriceListTable() {
  static const TableText table{
      L"SELECT " + DataAccess::PriceListColumns() + L" FROM PRICE_LIST WHERE OBJECT_ID = ",
      L"INSERT INTO PRICE_LIST (OBJECT_ID,ITEM_OBJECT_ID,PRICE_GROUP_OBJECT_ID,PRICE,"
      L"DISCOUNT_PERCENT)VALUES (",
      L"UPDATE PRICE_LIST SET ",
      {L"ITEM_OBJECT_ID = ", L"PRICE_GROUP_OBJECT_ID = ", L"PRICE = ", L"DISCOUNT_PERCENT = "},
      L"DELETE FROM PRICE_LIST "};
  return table;
}

void ReadFields(ibase::ibData& data, PriceListRecord& record) {
  record.itemObjectId = data.GetLong(1);
  record.priceGroupObjectId = data.GetLong(2);
  record.price = data.GetDouble(3);
  record.discountPercent = data.GetDouble(4);
}

std::vector<std::wstring> RowValues(const PriceListRecord& record) {
  return {sql::Int(record.itemObjectId), sql::Int(record.priceGroupObjectId), sql::Real(record.price),
          sql::RealOrNull(record.discountPercent)};
}

// SETTINGS

const TableText& SettingsTable() {
  static const TableText table{
      L"SELECT " + DataAccess::SettingsColumns() + L" FROM SETTINGS  WHERE OBJECT_ID = ",
      L"INSERT INTO SETTINGS (OBJECT_ID,SETT_FIELD,SETT_VALUE) VALUES (",
      L"UPDATE SETTINGS SET ",
      {L"SETT_FIELD = ", L"SETT_VALUE = "},
      L"DELETE FROM SETTINGS "};
  return table;
}

void ReadFields(ibase::ibData& data, SettingsRecord& record) {
  record.settField = data.GetString(1);
  record.settValue = data.GetString(2);
}

std::vector<std::wstring> RowValues(const SettingsRecord& record) {
  return {sql::Text(record.settField), sql::TextOrNull(record.settValue)};
}

// ITEM_DEPENDENCIES

const TableText& ItemDependencyTable() {
  static const TableText table{
      L"SELECT " + DataAccess::ItemDependencyColumns() + L" FROM ITEM_DEPENDENCIES  WHERE OBJECT_ID = ",
      L"INSERT INTO ITEM_DEPENDENCIES (OBJECT_ID,ITEM_OBJECT_ID,DEP_ITEM_OBJECT_ID,"
      L"TRIGGER_QUANTITY,DEP_QUANTITY)  VALUES (",
      L"UPDATE ITEM_DEPENDENCIES SET ",
      {L"ITEM_OBJECT_ID = ", L"DEP_ITEM_OBJECT_ID = ", L"TRIGGER_QUANTITY = ", L"DEP_QUANTITY = "},
      L"DELETE FROM ITEM_DEPENDENCIES "};
  return table;
}

void ReadFields(ibase::ibData& data, ItemDependencyRecord& record) {
  record.itemObjectId = data.GetLong(1);
  record.depItemObjectId = data.GetLong(2);
  record.triggerQuantity = data.GetDouble(3);
  record.depQuantity = data.GetDouble(4);
}

std::vector<std::wstring> RowValues(const ItemDependencyRecord& record) {
  return {sql::Int(record.itemObjectId), sql::Int(record.depItemObjectId), sql::Real(record.triggerQuantity),
          sql::Real(record.depQuantity)};
}

// ITEM_DEP_MOD

const TableText& ItemDepModTable() {
  static const TableText table{
      L"SELECT " + DataAccess::ItemDepModColumns() + L" FROM ITEM_DEP_MOD  WHERE OBJECT_ID = ",
      L"INSERT INTO ITEM_DEP_MOD (OBJECT_ID,ITEM_INPUT_ID,DEP_ITEM_OBJECT_ID,"
      L"MOD_QUANTITY)  VALUES (",
      L"UPDATE ITEM_DEP_MOD SET ",
      {L"ITEM_INPUT_ID = ", L"DEP_ITEM_OBJECT_ID = ", L"MOD_QUANTITY = "},
      L"DELETE FROM ITEM_DEP_MOD "};
  return table;
}

void ReadFields(ibase::ibData& data, ItemDepModRecord& record) {
  record.itemInputId = data.GetLong(1);
  record.depItemObjectId = data.GetLong(2);
  record.modQuantity = data.GetDouble(3);
}

std::vector<std::wstring> RowValues(const ItemDepModRecord& record) {
  return {sql::Int(record.itemInputId), sql::Int(record.depItemObjectId), sql::Real(record.modQuantity)};
}

// DAYS_CONDITION

const TableText& DaysConditionTable() {
  static const TableText table{
      L"SELECT " + DataAccess::DaysConditionColumns() + L" FROM DAYS_CONDITION  WHERE OBJECT_ID = ",
      L"INSERT INTO DAYS_CONDITION (OBJECT_ID,NAME,DAYS)  VALUES (",
      L"UPDATE DAYS_CONDITION SET ",
      {L"NAME = ", L"DAYS = "},
      L"DELETE FROM DAYS_CONDITION "};
  return table;
}

void ReadFields(ibase::ibData& data, DaysConditionRecord& record) {
  record.name = data.GetString(1);
  record.days = data.GetLong(2);
}

std::vector<std::wstring> RowValues(const DaysConditionRecord& record) {
  return {sql::Text(record.name), sql::Int(record.days)};
}

// TEMPLATES

const TableText& TemplateTable() {
  static const TableText table{
      L"SELECT " + DataAccess::TemplateColumns() + L" FROM TEMPLATES  WHERE OBJECT_ID = ",
      L"INSERT INTO TEMPLATES (OBJECT_ID,NAME,FILE_NAME)  VALUES (",
      L"UPDATE TEMPLATES SET ",
      {L"NAME = ", L"FILE_NAME = "},
      L"DELETE FROM TEMPLATES "};
  return table;
}

void ReadFields(ibase::ibData& data, TemplateRecord& record) {
  record.name = data.GetString(1);
  record.fileName = data.GetString(2);
}

std::vector<std::wstring> RowValues(const TemplateRecord& record) {
  return {sql::Text(record.name), sql::Text(record.fileName)};
}

// COUNTRIES

const TableText& CountryTable() {
  static const TableText table{
      L"SELECT " + DataAccess::CountryColumns() + L" FROM COUNTRIES  WHERE OBJECT_ID = ",
      L"INSERT INTO COUNTRIES (OBJECT_ID,NAME)  VALUES (",
      L"UPDATE COUNTRIES SET ",
      {L"NAME = "},
      L"DELETE FROM COUNTRIES "};
  return table;
}

void ReadFields(ibase::ibData& data, CountryRecord& record) {
  record.name = data.GetString(1);
}

std::vector<std::wstring> RowValues(const CountryRecord& record) {
  return {sql::Text(record.name)};
}

// COUNTRIES_REF

const TableText& CountryRefTable() {
  static const TableText table{
      L"SELECT " + DataAccess::CountryRefColumns() + L" FROM COUNTRIES_REF  WHERE OBJECT_ID = ",
      L"INSERT INTO COUNTRIES_REF (OBJECT_ID,NAME,REF_TYPE,"
      L"COUNTRIES_OBJECT_ID)  VALUES (",
      L"UPDATE COUNTRIES_REF SET ",
      {L"NAME = ", L"REF_TYPE = ", L"COUNTRIES_OBJECT_ID = "},
      L"DELETE FROM COUNTRIES_REF "};
  return table;
}

void ReadFields(ibase::ibData& data, CountryRefRecord& record) {
  record.name = data.GetString(1);
  record.refType = data.GetString(2);
  record.countriesObjectId = data.GetLong(3);
}

std::vector<std::wstring> RowValues(const CountryRefRecord& record) {
  return {sql::Text(record.name), sql::Text(record.refType), sql::IdOrNull(record.countriesObjectId)};
}

// PHONES

const TableText& PhoneTable() {
  static const TableText table{L"SELECT " + DataAccess::PhoneColumns() + L" FROM PHONES  WHERE OBJECT_ID = ",
                               L"INSERT INTO PHONES (OBJECT_ID,NAME,NUMBER,PHONE_DISPLAY,COUNTRY_PART,"
                               L"REGION_PART,COMPANY_OBJECT_ID)  VALUES (",
                               L"UPDATE PHONES SET ",
                               {L"NAME = ", L"NUMBER = ", L"PHONE_DISPLAY = ", L"COUNTRY_PART = ",
                                L"REGION_PART = ", L"COMPANY_OBJECT_ID = "},
                               L"DELETE FROM PHONES "};
  return table;
}

void ReadFields(ibase::ibData& data, PhoneRecord& record) {
  record.name = data.GetString(1);
  record.number = data.GetString(2);
  record.phoneDisplay = data.GetString(3);
  record.countryPart = data.GetShort(4);
  record.regionPart = data.GetShort(5);
  record.companyObjectId = data.GetLong(6);
}

std::vector<std::wstring> RowValues(const PhoneRecord& record) {
  return {sql::TextOrNull(record.name), sql::Text(record.number),    sql::Text(record.phoneDisplay),
          sql::Int(record.countryPart), sql::Int(record.regionPart), sql::Int(record.companyObjectId)};
}

// WEBS

const TableText& WebTable() {
  static const TableText table{L"SELECT " + DataAccess::WebColumns() + L" FROM WEBS  WHERE OBJECT_ID = ",
                               L"INSERT INTO WEBS (OBJECT_ID,NAME,WEB,COMPANY_OBJECT_ID)  VALUES (",
                               L"UPDATE WEBS SET ",
                               {L"NAME = ", L"WEB = ", L"COMPANY_OBJECT_ID = "},
                               L"DELETE FROM WEBS "};
  return table;
}

void ReadFields(ibase::ibData& data, WebRecord& record) {
  record.name = data.GetString(1);
  record.web = data.GetString(2);
  record.companyObjectId = data.GetLong(3);
}

std::vector<std::wstring> RowValues(const WebRecord& record) {
  return {sql::TextOrNull(record.name), sql::Text(record.web), sql::Int(record.companyObjectId)};
}

// EMAILS

const TableText& EmailTable() {
  static const TableText table{L"SELECT " + DataAccess::EmailColumns() + L" FROM EMAILS  WHERE OBJECT_ID = ",
                               L"INSERT INTO EMAILS (OBJECT_ID,NAME,EMAIL,COMPANY_OBJECT_ID)  VALUES (",
                               L"UPDATE EMAILS SET ",
                               {L"NAME = ", L"EMAIL = ", L"COMPANY_OBJECT_ID = "},
                               L"DELETE FROM EMAILS "};
  return table;
}

void ReadFields(ibase::ibData& data, EmailRecord& record) {
  record.name = data.GetString(1);
  record.email = data.GetString(2);
  record.companyObjectId = data.GetLong(3);
}

std::vector<std::wstring> RowValues(const EmailRecord& record) {
  return {sql::TextOrNull(record.name), sql::Text(record.email), sql::Int(record.companyObjectId)};
}

// PHONE_CODES

const TableText& PhoneCodeTable() {
  static const TableText table{
      L"SELECT " + DataAccess::PhoneCodeColumns() + L" FROM PHONE_CODES  WHERE OBJECT_ID = ",
      L"INSERT INTO PHONE_CODES (OBJECT_ID,COUNTRY,CODE)  VALUES (",
      L"UPDATE PHONE_CODES SET ",
      {L"COUNTRY = ", L"CODE = "},
      L"DELETE FROM PHONE_CODES "};
  return table;
}

void ReadFields(ibase::ibData& data, PhoneCodeRecord& record) {
  record.country = data.GetString(1);
  record.code = data.GetString(2);
}

std::vector<std::wstring> RowValues(const PhoneCodeRecord& record) {
  return {sql::TextOrNull(record.country), sql::TextOrNull(record.code)};
}

// ACCOUNTS

const TableText& AccountTable() {
  static const TableText table{
      L"SELECT " + DataAccess::AccountColumns() + L" FROM ACCOUNTS  WHERE OBJECT_ID = ",
      L"INSERT INTO ACCOUNTS (OBJECT_ID,NAME,COMPANY_OBJECT_ID,ACCOUNT_TYPE,"
      L"OPENING_DATE)  VALUES (",
      L"UPDATE ACCOUNTS SET ",
      {L"NAME = ", L"COMPANY_OBJECT_ID = ", L"ACCOUNT_TYPE = ", L"OPENING_DATE = "},
      L"DELETE FROM ACCOUNTS "};
  return table;
}

void ReadFields(ibase::ibData& data, AccountRecord& record) {
  record.name = data.GetString(1);
  record.companyObjectId = data.GetLong(2);
  record.accountType = data.GetLong(3);
  record.openingDate = data.GetTimestamp(4);
}

std::vector<std::wstring> RowValues(const AccountRecord& record) {
  return {sql::TextOrNull(record.name), sql::IdOrNull(record.companyObjectId), sql::Int(record.accountType),
          sql::Timestamp(record.openingDate)};
}

// PAYMENTS

const TableText& PaymentTable() {
  static const TableText table{
      L"SELECT " + DataAccess::PaymentColumns() + L" FROM PAYMENTS  WHERE OBJECT_ID = ",
      L"INSERT INTO PAYMENTS (OBJECT_ID,DESCRIPTION,AMOUNT,COMPANY_PAYING_ID,"
      L"COMPANY_RECIEVING_ID,ACCOUNT_PAYING_ID,ACCOUNT_RECIEVING_ID,REFERENCE_OBJECT_ID,"
      L"PAID_ON)  VALUES (",
      L"UPDATE PAYMENTS SET ",
      {L"DESCRIPTION = ", L"AMOUNT = ", L"COMPANY_PAYING_ID = ", L"COMPANY_RECIEVING_ID = ",
       L"ACCOUNT_PAYING_ID = ", L"ACCOUNT_RECIEVING_ID = ", L"REFERENCE_OBJECT_ID = ", L"PAID_ON = "},
      L"DELETE FROM PAYMENTS "};
  return table;
}

void ReadFields(ibase::ibData& data, PaymentRecord& record) {
  record.description = data.GetString(1);
  record.amount = data.GetDouble(2);
  record.companyPayingId = data.GetLong(3);
  record.companyRecievingId = data.GetLong(4);
  record.accountPayingId = data.GetLong(5);
  record.accountRecievingId = data.GetLong(6);
  record.referenceObjectId = data.GetLong(7);
  record.paidOn = data.GetTimestamp(8);
}

std::vector<std::wstring> RowValues(const PaymentRecord& record) {
  return {sql::TextOrNull(record.description),     sql::Real(record.amount),
          sql::IdOrNull(record.companyPayingId),   sql::IdOrNull(record.companyRecievingId),
          sql::IdOrNull(record.accountPayingId),   sql::IdOrNull(record.accountRecievingId),
          sql::IdOrNull(record.referenceObjectId), sql::Timestamp(record.paidOn)};
}

}  // namespace dataaccess
