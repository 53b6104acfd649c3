#pragma once

// A small shop for the invoice form's tests: my company, a client with two
// addresses and a price list, items with stock, delay terms and templates,
// on a throwaway database with "now" at 2006-03-09 14:05:07.

#include <gtest/gtest.h>

#include <string>

#include "data/ChangeSet.h"
#include "data/Settings.h"
#include "data/objects/Address.h"
#include "data/objects/Company.h"
#include "data/objects/DaysCondition.h"
#include "data/objects/Invoice.h"
#include "data/objects/PriceGroup.h"
#include "data/objects/Template.h"
#include "forms/invoice/InvoiceHeaderFields.h"
#include "forms/invoice/InvoiceLines.h"
#include "forms/invoice/InvoiceSaveSequence.h"
#include "forms/invoice/InvoiceTotals.h"
#include "platform/LocaleFormat.h"
#include "common/ui/AmountFormat.h"
#include "shell/ui/BaseListRows.h"
#include "tests/data_objects/ObjectsFixture.h"

namespace corvane::test {

class InvoiceFormTest : public ObjectsTest {
protected:
  static constexpr wchar_t kOfficeBox[] = L"Mountain Bakery Ltd\nMill Lane 4\n1000 Skopje";
  static constexpr wchar_t kStoreBox[] = L"Mountain Bakery Ltd\nStore 'North'\nOhrid";

  void SetUp() override {
    ObjectsTest::SetUp();
    Committed([this] {
      m_myCompanyId = NewCompany(L"Corvane Trading");
      SetMyCompanyId(m_myCompanyId);
      m_priceListId = NewPriceList(L"Wholesale");
      m_clientId = NewCompany(L"Mountain Bakery Ltd", m_priceListId, 5.0);
      m_officeId = NewAddress(m_clientId, L"Office", kOfficeBox);
      m_storeId = NewAddress(m_clientId, L"Store", kStoreBox);
      m_supplierId = NewCompany(L"Flour Mills Inc");
      m_flourId = NewStockedItem(L"Rye flour 25kg", L"RF-25", 10.0);
      m_seedsId = NewStockedItem(L"Sunflower seeds", L"SS-1", 50.0);
      NewDays(L"Cash", 0);
      NewDays(L"Thirty days", 30);
      m_plainTemplateId = NewTemplate(L"Plain", L"/templates/plain.zlt");
      m_fancyTemplateId = NewTemplate(L"Fancy", L"/templates/fancy.zlt");
    });
  }

  int NewCompany(const std::wstring& name, int priceListId = 0, double discount = 0.0) {
    Invoice::Company company;
    company.SetName(name);
    company.SetPriceGroupId(priceListId);
    company.SetDefaultDiscount(discount);
    company.Save();
    return company.GetId();
  }
  int NewPriceList(const std::wstring& name) {
    Invoice::PriceGroup list;
    list.SetName(name);
    list.Save();
    return list.GetId();
  }
  int NewAddress(int companyId, const std::wstring& name, const std::wstring& box) {
    Invoice::Address address;
    address.SetCompanyId(companyId);
    address.SetName(name);
    address.SetDisplayBox(box);
    address.Save();
    return address.GetId();
  }
  int NewStockedItem(const std::wstring& name, const std::wstring& code, double stock) {
    Invoice::Item item = NewItem(name);
    item.SetCode(code);
    item.Save();
    if (stock != 0.0) Receive(item.GetId(), stock);
    return item.GetId();
  }
  void NewDays(const std::wstring& name, int days) {
    Invoice::DaysCondition condition;
    condition.SetName(name);
    condition.SetDays(days);
    condition.Save();
  }
  int NewTemplate(const std::wstring& name, const std::wstring& file) {
    Invoice::Template layout;
    layout.SetName(name);
    layout.SetFileName(file);
    layout.Save();
    return layout.GetId();
  }

  // A line as the stock dialogs leave it in the form's change set; its key.
  template <class Line = Invoice::ItemOutput>
  int AddLine(ChangeSet& lines, int itemId, double quantity, double price, double discountPercent = 0.0,
              double taxPercent = 0.0, const std::wstring& measurement = L"", double baseUnit = 0.0) {
    Line line;
    line.SetItemId(itemId);
    line.SetQuantity(quantity);
    line.SetBasePrice(price);
    line.SetDiscountPercent(discountPercent);
    line.SetTaxPercent(taxPercent);
    line.SetMeasurement(measurement);
    line.SetBaseUnit(baseUnit);
    lines.Update(line);
    return line.GetObjectId();
  }

  int m_myCompanyId = 0;
  int m_priceListId = 0;
  int m_clientId = 0;
  int m_officeId = 0;
  int m_storeId = 0;
  int m_supplierId = 0;
  int m_flourId = 0;
  int m_seedsId = 0;
  int m_plainTemplateId = 0;
  int m_fancyTemplateId = 0;
};

// The form's logic without its window: header, change set of lines, grid
// rows and footer, moved the way the form moves them. Numbers show in the C
// locale's format.
class OpenInvoiceTest : public InvoiceFormTest {
protected:
  void SetUp() override {
    InvoiceFormTest::SetUp();
    platform::SetUserLocaleOverride(platform::LocaleInfo{});
  }
  void TearDown() override {
    platform::SetUserLocaleOverride(std::nullopt);
    InvoiceFormTest::TearDown();
  }

  // Opens an invoice (0: a new one): header, lines from the database,
  // choices, my company, footer.
  void Open(int invoiceId, int companyId = 0, bool income = false) {
    m_header = InvoiceHeaderFields();
    m_header.LoadInvoice(invoiceId, companyId, income);
    m_rows.ClearRows();
    InvoiceLines::AppendStoredRows(m_header.invoice, m_header.IsIncome(), m_lines, m_rows);
    m_header.FillChoices();
    m_header.FillMyCompany();
    RecalcTotals();
  }
  // The grid and footer after a line command.
  void ShowPendingLines() {
    m_rows.ClearRows();
    InvoiceLines::AppendChangeSetRows(m_lines, m_header.IsIncome(), m_rows);
    RecalcTotals();
  }
  // The footer as displayed, which is what the save stores.
  void RecalcTotals() {
    m_totals = InvoiceTotals::Compute(m_rows, m_header.discountPercent, AmountFormat::User());
  }
  InvoiceSaveResult Save() {
    ShowPendingLines();
    return InvoiceSaveSequence::Save(m_header, m_totals, m_lines);
  }
  // Saves, and opens the stored invoice again as the form does after a save.
  InvoiceSaveResult SaveAndReload() {
    const InvoiceSaveResult result = Save();
    Open(result.invoiceId);
    return result;
  }

  InvoiceHeaderFields m_header;
  ChangeSet m_lines;
  BaseListRows m_rows;
  InvoiceTotals m_totals;
};

}  // namespace corvane::test
