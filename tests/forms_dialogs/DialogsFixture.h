#pragma once

// A throwaway database of the current schema for the dialogs' tests, with
// helpers that store the rows the dialogs read. Rows are stored and
// committed before the code under test runs, since that code opens units of
// work of its own.

#include <string>

#include "data/Settings.h"
#include "data/objects/Account.h"
#include "data/objects/Company.h"
#include "data/objects/Invoice.h"
#include "data/objects/PriceGroup.h"
#include "data/objects/PriceList.h"
#include "platform/LocaleFormat.h"
#include "tests/data_objects/ObjectsFixture.h"

namespace corvane::test {

class DialogsTest : public ObjectsTest {
protected:
  void TearDown() override {
    platform::SetUserLocaleOverride(std::nullopt);
    ObjectsTest::TearDown();
  }

  // Numbers shown and typed as a comma-decimal locale has them: 1.234,50.
  void UseCommaDecimalLocale() {
    platform::LocaleInfo locale;
    locale.decimalSeparator = L",";
    locale.thousandsSeparator = L".";
    platform::SetUserLocaleOverride(locale);
  }

  int StoreCompany(const std::wstring& name) {
    Invoice::Company company;
    company.SetName(name);
    Committed([&] { company.Save(); });
    return company.GetId();
  }
  int StoreAccount(const std::wstring& name, int companyId = 0) {
    Invoice::Account account;
    account.SetName(name);
    account.SetCompanyId(companyId);
    account.SetOpeningDate(Ole(2006, 1, 2));
    Committed([&] { account.Save(); });
    return account.GetId();
  }
  int StoreInvoice(const std::wstring& number, int clientId, int issuerId, int templateId = 0, int days = 0) {
    Invoice::Invoice invoice;
    invoice.SetInvoiceNum(number);
    invoice.SetCompanyId(clientId);
    invoice.SetCompanyIdFrom(issuerId);
    invoice.SetTemplateId(templateId);
    invoice.SetDaysCondition(days);
    invoice.SetDate(Ole(2006, 3, 1));
    Committed([&] { invoice.Save(); });
    return invoice.GetId();
  }
  int StoreItem(const std::wstring& name, const std::wstring& code = L"") {
    Invoice::Item item;
    item.SetName(name);
    item.SetCode(code);
    Committed([&] { item.Save(); });
    return item.GetId();
  }
  int StorePriceGroup(const std::wstring& name, int direction) {
    Invoice::PriceGroup group;
    group.SetName(name);
    group.SetDirection(direction);
    Committed([&] { group.Save(); });
    return group.GetId();
  }
  void StorePrice(int itemId, int priceGroupId, double value) {
    Invoice::PriceList price;
    price.SetItemId(itemId);
    price.SetPriceGroupId(priceGroupId);
    price.SetPrice(value);
    Committed([&] { price.Save(); });
  }
  template <class Object>
  int StoreObject(Object object) {
    Committed([&] { object.Save(); });
    return object.GetId();
  }
};

}  // namespace corvane::test
