#pragma once

// Every SQL statement of the business tables: load, save and delete of one row
// by OBJECT_ID, the in-use checks before a delete, the lookups by content and
// the list queries. DataAccess holds no state; it runs each statement on the
// one connection (GetDatabase) inside whatever transaction is current, and
// turns every client failure into Invoice::DbException with the client
// library's own text.
//
// Conventions shared by all members:
// - Load<Table>(id, record) fills the record from the row of that id and
//   leaves it untouched when there is no such row.
// - Save<Table>(record, id) inserts the row under `id` when the record's own
//   id is below 1 (and then gives the record's handle that id), else updates
//   the row of the record's own id.
// - Delete<Table>(id) deletes the class row only; a missing row is no error.
// - List queries append to the caller's container and never clear it.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "data/records/AccountRecord.h"
#include "data/records/AddressRecord.h"
#include "data/records/CompanyRecord.h"
#include "data/records/CountryRecord.h"
#include "data/records/CountryRefRecord.h"
#include "data/records/DaysConditionRecord.h"
#include "data/records/EmailRecord.h"
#include "data/records/InvoiceListRecord.h"
#include "data/records/InvoiceRecord.h"
#include "data/records/ItemDepModRecord.h"
#include "data/records/ItemDependencyRecord.h"
#include "data/records/ItemGroupRecord.h"
#include "data/records/ItemInputRecord.h"
#include "data/records/ItemOutputRecord.h"
#include "data/records/ItemRecord.h"
#include "data/records/MeasurementRecord.h"
#include "data/records/ObjectHeader.h"
#include "data/records/PaymentRecord.h"
#include "data/records/PhoneCodeRecord.h"
#include "data/records/PhoneRecord.h"
#include "data/records/PriceGroupRecord.h"
#include "data/records/PriceListRecord.h"
#include "data/records/SettingsRecord.h"
#include "data/records/TaxRecord.h"
#include "data/records/TemplateRecord.h"
#include "data/records/WebRecord.h"

namespace Invoice {
// The refusal of an account that a payment still names; the company form
// gives it before the delete is even recorded.
inline constexpr wchar_t kAccountUsedInPayments[] =
    L"Account is used in one (or more) Payment(s) and can not be deleted!";
}  // namespace Invoice

class DataAccess {
public:
  // {month 1-12, number of invoices dated in it}
  using MonthCount = std::pair<int, int>;

  static DataAccess& Instance();

  // The application transaction and raw statements, for callers that reach
  // the database only through this object.
  void ExecuteSql(const std::wstring& sql) const;
  void BeginDbTransaction() const;
  void CommitDbTransaction() const;
  void DropDbTransaction() const;

  // SELECT column lists, with one leading and one trailing blank. The ITEM_INPUT
  // and ITEM_OUTPUT lists qualify their OBJECT_ID so they serve in joins too.
  static std::wstring ItemColumns();
  static std::wstring ItemGroupColumns();
  static std::wstring MeasurementColumns();
  static std::wstring ItemInputColumns();
  static std::wstring ItemOutputColumns();
  static std::wstring InvoiceColumns();
  static std::wstring CompanyColumns();
  static std::wstring AddressColumns();
  static std::wstring PriceGroupColumns();
  static std::wstring PriceListColumns();
  static std::wstring SettingsColumns();
  static std::wstring ItemDependencyColumns();
  static std::wstring ItemDepModColumns();
  static std::wstring DaysConditionColumns();
  static std::wstring TemplateColumns();
  static std::wstring CountryColumns();
  static std::wstring CountryRefColumns();
  static std::wstring PhoneColumns();
  static std::wstring WebColumns();
  static std::wstring EmailColumns();
  static std::wstring PhoneCodeColumns();
  static std::wstring AccountColumns();
  static std::wstring PaymentColumns();

  // OBJECTS rows. LoadObjectHeader fails with "Object not found!" when the row
  // is missing. SaveObjectHeader inserts a new header (id below 1) and gives
  // it the new OBJECT_ID, or stamps MODIFIED_ON/MODIFIED_BY of a stored one.
  void LoadObjectHeader(int id, ObjectHeader& header) const;
  void SaveObjectHeader(ObjectHeader& header) const;
  void DeleteObjectHeader(int id) const;

  // Item side.
  void LoadItem(int id, ItemRecord& record) const;
  void SaveItem(ItemRecord& record, int id) const;  // DEFAULT_PRICE is never written
  void DeleteItem(int id) const;
  void LoadItemGroup(int id, ItemGroupRecord& record) const;
  void SaveItemGroup(ItemGroupRecord& record, int id) const;
  void DeleteItemGroup(int id) const;
  void LoadMeasurement(int id, MeasurementRecord& record) const;
  void SaveMeasurement(MeasurementRecord& record, int id) const;
  void DeleteMeasurement(int id) const;
  void LoadTax(int id, TaxRecord& record) const;
  void SaveTax(TaxRecord& record, int id) const;
  void DeleteTax(int id) const;
  void LoadItemInput(int id, ItemInputRecord& record) const;
  void SaveItemInput(ItemInputRecord& record, int id) const;
  void DeleteItemInput(int id) const;
  void LoadItemOutput(int id, ItemOutputRecord& record) const;
  void SaveItemOutput(ItemOutputRecord& record, int id) const;
  void DeleteItemOutput(int id) const;
  void LoadItemDependency(int id, ItemDependencyRecord& record) const;
  void SaveItemDependency(ItemDependencyRecord& record, int id) const;
  void DeleteItemDependency(int id) const;
  // ITEM_DEP_MOD has no load by id and no delete of its own.
  void SaveItemDepMod(ItemDepModRecord& record, int id) const;

  // Invoices, companies, price lists.
  void LoadInvoice(int id, InvoiceRecord& record) const;
  void SaveInvoice(InvoiceRecord& record, int id) const;
  void DeleteInvoice(int id) const;
  void LoadCompany(int id, CompanyRecord& record) const;
  void SaveCompany(CompanyRecord& record, int id) const;
  void DeleteCompany(int id) const;
  void LoadAddress(int id, AddressRecord& record) const;
  void SaveAddress(AddressRecord& record, int id) const;
  void DeleteAddress(int id) const;
  void LoadPriceGroup(int id, PriceGroupRecord& record) const;
  void SavePriceGroup(PriceGroupRecord& record, int id) const;
  void DeletePriceGroup(int id) const;
  void LoadPriceList(int id, PriceListRecord& record) const;
  void SavePriceList(PriceListRecord& record, int id) const;
  void DeletePriceList(int id) const;

  // Settings (no delete of their own).
  void LoadSettings(int id, SettingsRecord& record) const;
  void SaveSettings(SettingsRecord& record, int id) const;  // an empty value is stored as NULL

  // Reference and contact tables.
  void LoadDaysCondition(int id, DaysConditionRecord& record) const;
  void SaveDaysCondition(DaysConditionRecord& record, int id) const;
  void DeleteDaysCondition(int id) const;
  void LoadTemplate(int id, TemplateRecord& record) const;
  void SaveTemplate(TemplateRecord& record, int id) const;
  void DeleteTemplate(int id) const;
  void LoadCountry(int id, CountryRecord& record) const;
  void SaveCountry(CountryRecord& record, int id) const;
  void DeleteCountry(int id) const;
  void LoadCountryRef(int id, CountryRefRecord& record) const;
  void SaveCountryRef(CountryRefRecord& record, int id) const;
  void DeleteCountryRef(int id) const;
  void LoadPhone(int id, PhoneRecord& record) const;
  void SavePhone(PhoneRecord& record, int id) const;
  void DeletePhone(int id) const;
  void LoadWeb(int id, WebRecord& record) const;
  void SaveWeb(WebRecord& record, int id) const;
  void DeleteWeb(int id) const;
  void LoadEmail(int id, EmailRecord& record) const;
  void SaveEmail(EmailRecord& record, int id) const;
  void DeleteEmail(int id) const;
  void LoadPhoneCode(int id, PhoneCodeRecord& record) const;
  void SavePhoneCode(PhoneCodeRecord& record, int id) const;
  void DeletePhoneCode(int id) const;
  void LoadAccount(int id, AccountRecord& record) const;
  void SaveAccount(AccountRecord& record, int id) const;
  void DeleteAccount(int id) const;
  void LoadPayment(int id, PaymentRecord& record) const;
  void SavePayment(PaymentRecord& record, int id) const;
  void DeletePayment(int id) const;

  // Lookups by content: the OBJECT_ID of the first matching row, 0 when none.
  int FindPriceListId(int itemId, int priceGroupId) const;
  int FindSettingsId(const std::wstring& key) const;
  // Country, city and state names compare exactly: "%" and "_" are plain characters.
  int FindCountryId(const std::wstring& name) const;
  int FindCountryRefId(const std::wstring& name, const std::wstring& kind, int countryId) const;
  // The NAME of the item; nullopt when no item has that id.
  std::optional<std::wstring> FindItemName(int itemId) const;
  // The invoice of that kind (INVOICE_TYPE) that carries the number.
  int FindInvoiceIdByNumber(const std::wstring& number, int invoiceType) const;
  // The first ITEM_DEP_MOD row of the dependent item; none: record untouched.
  void LoadItemDepModByDependentItem(int dependentItemId, ItemDepModRecord& record) const;

  // In-use checks before a delete: return when the object may go, else throw
  // Invoice::DbException with a text that ends "and can not be deleted!".
  // Issue or receipt lines on invoices, or a product that takes the item as
  // an ingredient.
  void CheckItemDeletable(int itemId) const;
  void CheckCompanyDeletable(int companyId) const;
  void CheckPriceGroupDeletable(int priceGroupId) const;
  void CheckMeasurementDeletable(int measurementId) const;
  void CheckTaxDeletable(int taxId) const;
  void CheckDaysConditionDeletable(int days) const;  // the condition's DAYS value, not its id
  void CheckTemplateDeletable(int templateId) const;
  void CheckItemGroupDeletable(int groupId) const;  // sub-groups or items
  // A payment that the account makes or receives (the database would
  // delete the payments with the account).
  void CheckAccountDeletable(int accountId) const;
  void CheckAddressDeletable(int addressId) const;  // either address of an invoice
  // Keeps the payments that name the object as their reference (the
  // database would delete them with its OBJECTS row): the reference is cleared.
  void ClearPaymentReferences(int objectId) const;
  // Moves the OBJECT_ID generator past MAX(OBJECTS.OBJECT_ID) when it lags
  // behind (rows filled by another tool, an older file), so that new rows
  // never take an id that is in use. Returns how far it moved (0: it was
  // ahead already).
  int CatchUpObjectIdGenerator() const;
  // Row locks (SELECT ... WITH LOCK) for a unit of work that writes a row
  // only when it finds none: inside the open application transaction, the
  // row stays locked until the unit commits or rolls back. Another user's
  // unit that wants the same lock waits for that, and is then refused as a
  // concurrent change (Invoice::DbException, kConcurrentChangeText) when the
  // holder committed, since its own reading is older; saving again reads
  // what the holder wrote. False when there is no such row to lock.
  bool LockObjectRow(int id) const;
  // The first SETTINGS row of the key.
  bool LockSettingsRow(const std::wstring& key) const;
  // Removes every price of the item in every price list (no OBJECTS rows).
  void DeleteItemPrices(int itemId) const;

  // Item, price and reference lists.
  void LoadPriceListIdsOfItem(int itemId, std::map<int, int>& priceRowByGroup) const;
  void LoadAddressNames(std::set<std::wstring>& names) const;
  void LoadPhoneNames(std::set<std::wstring>& names) const;
  void LoadWebNames(std::set<std::wstring>& names) const;
  void LoadEmailNames(std::set<std::wstring>& names) const;
  // Direct sub-group ids, then the group's item ids, with no marker between.
  void LoadGroupChildIds(int groupId, std::vector<int>& ids) const;
  // Direct sub-group ids only: what a walk of the group tree needs.
  void LoadSubGroupIds(int groupId, std::vector<int>& ids) const;
  void LoadTopLevelGroupIds(std::vector<int>& ids) const;
  void LoadMeasurementIds(std::vector<int>& ids) const;
  void LoadTaxIds(std::vector<int>& ids) const;
  void LoadDaysConditionIds(std::vector<int>& ids) const;
  void LoadTemplateIds(std::vector<int>& ids) const;
  void LoadPhoneCodeIds(std::vector<int>& ids) const;  // by COUNTRY
  void LoadCountryIds(std::vector<int>& ids) const;
  // kind is the stored REF_TYPE ("CITY" or "STATE"); country 0 means no country.
  void LoadCountryRefIds(std::vector<int>& ids, const std::wstring& kind, int countryId) const;
  void LoadItemDependencies(int itemId, std::vector<ItemDependencyRecord>& records) const;
  // One record per item in NAME order: the item's price row in the group, or
  // a blank row (id 0, the item's id, zero price) where it has none.
  void LoadPriceListsOfGroup(int priceGroupId, std::vector<PriceListRecord>& records) const;
  // Items of the given groups (every item when the set is empty), by NAME.
  void LoadItemsOfGroups(const std::set<int>& groupIds, std::vector<ItemRecord>& records) const;
  void LoadItemsContaining(const std::wstring& text, std::vector<ItemRecord>& records) const;
  void LoadPriceGroups(std::vector<PriceGroupRecord>& records) const;

  // Invoice, stock-movement, company and payment lists. Dates are OLE dates.
  void LoadInvoiceYears(std::vector<int>& years) const;  // latest first
  void LoadInvoiceCountsPerMonth(int year, std::vector<MonthCount>& counts) const;
  // from/to -1.0 leave that bound open; company 0 means any company; paid and
  // unpaid both set or both clear mean any payment state. Newest first.
  void LoadInvoices(std::vector<InvoiceRecord>& records, double from, double to, int companyId, bool paid,
                    bool unpaid) const;
  // The same rows in the same order, only the columns the invoice list shows.
  void LoadInvoiceList(std::vector<InvoiceListRecord>& records, double from, double to, int companyId,
                       bool paid, bool unpaid) const;
  void LoadItemInputsModifiedBetween(double from, double to, std::vector<ItemInputRecord>& records) const;
  void LoadItemInputsOfItem(int itemId, std::vector<ItemInputRecord>& records) const;
  void LoadItemOutputsOfItem(int itemId, std::vector<ItemOutputRecord>& records) const;
  void LoadItemOutputsOfInvoice(int invoiceId, std::vector<ItemOutputRecord>& records) const;
  void LoadItemInputsOfInvoice(int invoiceId, std::vector<ItemInputRecord>& records) const;
  void LoadItemOutputsOfInput(int itemInputId, std::vector<ItemOutputRecord>& records) const;
  void LoadCompanies(std::vector<CompanyRecord>& records) const;
  void LoadCompaniesContaining(const std::wstring& text, std::vector<CompanyRecord>& records) const;
  void LoadAddressesOfCompany(int companyId, std::vector<AddressRecord>& records) const;
  void LoadPhonesOfCompany(int companyId, std::vector<PhoneRecord>& records) const;
  void LoadWebsOfCompany(int companyId, std::vector<WebRecord>& records) const;
  void LoadEmailsOfCompany(int companyId, std::vector<EmailRecord>& records) const;
  // Company 0 gives the accounts that belong to no company.
  void LoadAccountsOfCompany(int companyId, std::vector<AccountRecord>& records) const;
  void LoadAccountsContaining(const std::wstring& text, std::vector<AccountRecord>& records) const;
  // Payments where the company (account) pays and/or receives; with neither
  // flag, every payment. Newest PAID_ON first.
  void LoadPaymentsOfCompany(int companyId, std::vector<PaymentRecord>& records, bool paying,
                             bool receiving) const;
  void LoadPaymentsOfAccount(int accountId, std::vector<PaymentRecord>& records, bool paying,
                             bool receiving) const;
  // Payments that name the invoice as their reference, oldest PAID_ON first.
  void LoadPaymentsOfInvoice(int invoiceId, std::vector<PaymentRecord>& records) const;

private:
  DataAccess() = default;
};
