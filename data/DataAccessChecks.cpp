// DataAccess: the in-use checks that run before an object is deleted, and the
// removal of all prices of an item.

#include "data/Connection.h"
#include "data/DataAccess.h"
#include "data/DataAccessRows.h"
#include "data/DbException.h"
#include "data/ibase/ibData.h"

using namespace dataaccess;

namespace {

// One query of a check: the object is in use when it gives any row.
struct InUseQuery {
  std::wstring sql;
  const wchar_t* refusal;
};

// Runs the queries in order and refuses with the first one that finds a row;
// the later queries are not run.
void RefuseWhenInUse(const std::vector<InUseQuery>& queries) {
  for (const InUseQuery& query : queries) {
    if (TranslateDbErrors([&] { return HasRow(query.sql); })) throw Invoice::DbException(query.refusal);
  }
}

std::wstring Query(const wchar_t* head, int id, const wchar_t* tail = L"") {
  SqlBuilder text;
  text << head << id << tail << std::endl;
  return text.str();
}

}  // namespace

// Receipt lines of stored income invoices block the delete too: deleting the
// item deletes its receipt lines and would take them off those invoices. So
// does a product that takes the item as an ingredient, which would be left
// naming an item that is gone; the refusal names the products.
void DataAccess::CheckItemDeletable(int itemId) const {
  RefuseWhenInUse({
      {Query(L"SELECT OBJECT_ID FROM ITEM_OUTPUT WHERE ITEM_OBJECT_ID = ", itemId,
             L" AND INVOICE_OBJECT_ID IS NOT NULL;"),
       L"Item is used in one (or more) Outgoing Invoice(s) and can not be deleted!"},
      {Query(L"SELECT OBJECT_ID FROM ITEM_INPUT WHERE ITEM_OBJECT_ID = ", itemId,
             L" AND INVOICE_OBJECT_ID IS NOT NULL;"),
       L"Item is used in one (or more) Income Invoice(s) and can not be deleted!"},
  });
  // Rows left behind by a product that is gone themselves block nothing.
  const std::wstring products = Query(
      L"SELECT DISTINCT P.NAME FROM ITEM_DEPENDENCIES D JOIN ITEMS P ON P.OBJECT_ID = D.ITEM_OBJECT_ID "
      L"WHERE D.DEP_ITEM_OBJECT_ID = ",
      itemId, L" ORDER BY 1;");
  std::wstring names;
  TranslateDbErrors([&] {
    ReadRows(products, [&](ibase::ibData& data) {
      names += (names.empty() ? L"'" : L", '") + data.GetString(0) + L"'";
    });
  });
  if (!names.empty())
    throw Invoice::DbException(L"Item is an Ingredient of " + names + L" and can not be deleted!");
}

// The supplier of an income invoice is refused as its client is. Payments
// would go with the company (the database cascades them), so they block the
// delete too: those the company or one of its accounts makes or receives.
void DataAccess::CheckCompanyDeletable(int companyId) const {
  const std::wstring id = std::to_wstring(companyId);
  const std::wstring accounts = L"(SELECT OBJECT_ID FROM ACCOUNTS WHERE COMPANY_OBJECT_ID = " + id + L")";
  RefuseWhenInUse({
      {Query(L"SELECT OBJECT_ID FROM INVOICES WHERE COMPANY_OBJECT_ID = ", companyId),
       L"Client is used in one (or more) Invoice(s) and can not be deleted!"},
      {Query(L"SELECT OBJECT_ID FROM INVOICES WHERE COMPANY_OBJECT_ID_FROM = ", companyId),
       L"Client is used in one (or more) Invoice(s) and can not be deleted!"},
      {L"SELECT OBJECT_ID FROM PAYMENTS WHERE COMPANY_PAYING_ID = " + id + L" OR COMPANY_RECIEVING_ID = " +
           id + L" OR ACCOUNT_PAYING_ID IN " + accounts + L" OR ACCOUNT_RECIEVING_ID IN " + accounts + L"\n",
       L"Client is used in one (or more) Payment(s) and can not be deleted!"},
  });
}

// The default price lists are int settings, stored as their decimal text.
void DataAccess::CheckPriceGroupDeletable(int priceGroupId) const {
  RefuseWhenInUse({
      {Query(L"SELECT OBJECT_ID FROM COMPANIES WHERE PRICE_GROUP_OBJECT_ID = ", priceGroupId),
       L"Price List is used in one (or more) Client(s) as a default Price List and can not be deleted!"},
      {Query(L"SELECT OBJECT_ID FROM SETTINGS WHERE SETT_FIELD = 'OUTPUT_DEFAULT_PRICE_GROUP' AND SETT_VALUE "
             L"= '",
             priceGroupId, L"'"),
       L"Price List is the Default Outcome Price List and can not be deleted!"},
      {Query(L"SELECT OBJECT_ID FROM SETTINGS WHERE SETT_FIELD = 'INPUT_DEFAULT_PRICE_GROUP' AND SETT_VALUE "
             L"= '",
             priceGroupId, L"'"),
       L"Price List is the Default Income Price List and can not be deleted!"},
  });
}

// Item groups pass their tax and measurement on to their items: a group's
// use blocks the delete as an item's does.
void DataAccess::CheckMeasurementDeletable(int measurementId) const {
  RefuseWhenInUse({
      {Query(L"SELECT OBJECT_ID FROM ITEMS WHERE MEASUREMENT_OBJECT_ID = ", measurementId),
       L"Measurement is used in one (or more) Item(s) and can not be deleted!"},
      {Query(L"SELECT OBJECT_ID FROM ITEM_GROUPS WHERE MEASUREMENT_OBJECT_ID = ", measurementId),
       L"Measurement is used in one (or more) Item Group(s) and can not be deleted!"},
  });
}

void DataAccess::CheckTaxDeletable(int taxId) const {
  RefuseWhenInUse({
      {Query(L"SELECT OBJECT_ID FROM ITEMS WHERE TAX_OBJECT_ID = ", taxId),
       L"Tax is used in one (or more) Item(s) and can not be deleted!"},
      {Query(L"SELECT OBJECT_ID FROM ITEM_GROUPS WHERE TAX_OBJECT_ID = ", taxId),
       L"Tax is used in one (or more) Item Group(s) and can not be deleted!"},
  });
}

// A group's sub-groups and items take their tax, measurement and source type
// from it: they would be left with a parent that is gone.
void DataAccess::CheckItemGroupDeletable(int groupId) const {
  RefuseWhenInUse({
      {Query(L"SELECT OBJECT_ID FROM ITEM_GROUPS WHERE PARENT_OBJECT_ID = ", groupId),
       L"Item Group holds one (or more) Item Group(s) and can not be deleted!"},
      {Query(L"SELECT OBJECT_ID FROM ITEMS WHERE ITEMS_GROUP_OBJECT_ID = ", groupId),
       L"Item Group holds one (or more) Item(s) and can not be deleted!"},
  });
}

void DataAccess::CheckAccountDeletable(int accountId) const {
  const std::wstring id = std::to_wstring(accountId);
  RefuseWhenInUse({{L"SELECT OBJECT_ID FROM PAYMENTS WHERE ACCOUNT_PAYING_ID = " + id +
                        L" OR ACCOUNT_RECIEVING_ID = " + id + L"\n",
                    Invoice::kAccountUsedInPayments}});
}

void DataAccess::CheckDaysConditionDeletable(int days) const {
  RefuseWhenInUse({{Query(L"SELECT OBJECT_ID FROM INVOICES WHERE DAYS_CONDITION = ", days),
                    L"Days Condition is used in one (or more) Invoice(s) and can not be deleted!"}});
}

// Invoices with no template of their own print with the default one.
void DataAccess::CheckTemplateDeletable(int templateId) const {
  RefuseWhenInUse({
      {Query(L"SELECT OBJECT_ID FROM INVOICES WHERE TEMPLATE_OBJECT_ID = ", templateId),
       L"Template layout is used in one (or more) Invoice(s) and can not be deleted!"},
      {Query(L"SELECT OBJECT_ID FROM SETTINGS WHERE SETT_FIELD = 'DEF_TEMPLATE' AND SETT_VALUE = '",
             templateId, L"'"),
       L"Template layout is the Default Template layout and can not be deleted!"},
  });
}

// An invoice names the client's address and, for income, the supplier's.
void DataAccess::CheckAddressDeletable(int addressId) const {
  const std::wstring id = std::to_wstring(addressId);
  RefuseWhenInUse({{L"SELECT OBJECT_ID FROM INVOICES WHERE ADDRESS_OBJECT_ID = " + id +
                        L" OR ADDRESS_OBJECT_ID_FROM = " + id + L"\n",
                    L"Address is used in one (or more) Invoice(s) and can not be deleted!"}});
}

void DataAccess::ClearPaymentReferences(int objectId) const {
  const std::wstring sql =
      Query(L"UPDATE PAYMENTS SET REFERENCE_OBJECT_ID = NULL WHERE REFERENCE_OBJECT_ID = ", objectId);
  TranslateDbErrors([&] { Execute(sql); });
}

void DataAccess::DeleteItemPrices(int itemId) const {
  const std::wstring sql = Query(L"DELETE FROM PRICE_LIST WHERE ITEM_OBJECT_ID = ", itemId);
  TranslateDbErrors([&] { Execute(sql); });
}
