#pragma once

// A small shop's database for the print-data tests: a vendor and a client
// with an address, three items with measurements and taxes, an outgoing
// invoice with three lines (discounts and taxes, one line without either)
// and an income invoice with one receipt line.

#include <gtest/gtest.h>

#include <string>

#include "data/Connection.h"
#include "data/TransactionScope.h"
#include "data/objects/Address.h"
#include "data/objects/Company.h"
#include "data/objects/Invoice.h"
#include "data/objects/Item.h"
#include "data/objects/ItemInput.h"
#include "data/objects/ItemOutput.h"
#include "data/objects/Measurement.h"
#include "data/objects/Tax.h"
#include "data/objects/Template.h"
#include "platform/OleDateTime.h"
#include "tests/data/TestDatabase.h"

namespace corvane::test {

// One invoice line as the fixture stores it.
struct PrintLine {
  const wchar_t* itemName;
  const wchar_t* itemCode;
  const wchar_t* measurement;
  double quantity;
  double price;
  double discountPercent;
  double taxPercent;
};

class PrintDataTest : public SchemaDatabaseTest {
protected:
  // Item name and code, measurement, quantity, price, discount %, tax %.
  static constexpr PrintLine kSaleLines[] = {
      {L"Oak Table", L"T-01", L"pcs", 2.0, 10.0, 10.0, 18.0},
      {L"Nails 'Extra'", L"N-05", L"kg", 2.0, 1.15, 5.0, 20.0},
      {L"Varnish", L"V-02", L"l", 3.0, 4.5, 0.0, 0.0},
  };
  static constexpr PrintLine kPurchaseLine = {L"Nails 'Extra'", L"N-05", L"kg", 4.0, 0.9, 0.0, 5.0};

  static constexpr wchar_t kClientName[] = L"O'Hara & Sons";
  static constexpr wchar_t kClientBox[] = L"O'Hara & Sons\nMain Street 1\n1000 Skopje";
  static constexpr wchar_t kVendorName[] = L"Corvane Trading";
  static constexpr wchar_t kVendorBox[] = L"Corvane Trading\nPort Road 7";

  void SetUp() override {
    SchemaDatabaseTest::SetUp();
    TransactionScope scope;
    const int pieces = NewMeasurement(L"Piece", L"pcs");
    const int kilos = NewMeasurement(L"Kilogram", L"kg");
    const int litres = NewMeasurement(L"Litre", L"l");
    const int vat18 = NewTax(L"VAT 18", 18.0);
    const int vat5 = NewTax(L"VAT 5", 5.0);

    m_vendorId = NewCompany(kVendorName);
    m_clientId = NewCompany(kClientName);
    Invoice::Address address;
    address.SetCompanyId(m_clientId);
    address.SetName(L"Office");
    address.SetDisplayBox(kClientBox);
    address.SetDefaultAddress(true);
    address.Save();

    Invoice::Template layout;
    layout.SetName(L"Plain");
    layout.SetFileName(L"/nowhere/plain.zlt");
    layout.Save();

    m_tableId = NewItem(L"Oak Table", L"T-01", pieces, vat18);
    m_nailsId = NewItem(L"Nails 'Extra'", L"N-05", kilos, vat5);
    m_varnishId = NewItem(L"Varnish", L"V-02", litres, vat18);
    for (int item : {m_tableId, m_nailsId, m_varnishId}) AddStock(item, 100.0);

    Invoice::Invoice sale;
    sale.SetInvoiceNum(L"0007/06");
    sale.SetInvoiceType(0);
    sale.SetDate(platform::OleDateTime(2006, 3, 9).GetDate());
    sale.SetCompanyId(m_clientId);
    sale.SetAddressId(address.GetId());
    sale.SetDisplayBox(kClientBox);
    sale.SetCompanyIdFrom(m_vendorId);
    sale.SetDisplayBoxFrom(kVendorBox);
    sale.SetDaysCondition(15);
    sale.SetTemplateId(layout.GetId());
    // Stored totals that differ from what the lines give: the print data
    // shows what was stored with the invoice.
    sale.SetDiscountPercent(2.5);
    sale.SetDiscountAmount(0.75);
    sale.SetTaxAmount(3.68);
    sale.SetTotalAmount(40.04);
    sale.SetPaid(true);
    sale.SetPaidOn(platform::OleDateTime(2006, 3, 20).GetDate());
    sale.Save();
    m_saleId = sale.GetId();
    const int itemIds[] = {m_tableId, m_nailsId, m_varnishId};
    for (size_t i = 0; i < std::size(kSaleLines); ++i) Issue(m_saleId, itemIds[i], kSaleLines[i]);

    // An income invoice: the supplier is the client, no vendor, no address,
    // no template, not paid.
    Invoice::Invoice purchase;
    purchase.SetInvoiceNum(L"0003/06");
    purchase.SetInvoiceType(1);
    purchase.SetDate(platform::OleDateTime(2006, 2, 1).GetDate());
    purchase.SetCompanyId(m_clientId);
    purchase.SetDaysCondition(0);
    purchase.Save();
    m_purchaseId = purchase.GetId();
    Receive(m_purchaseId, m_nailsId, kPurchaseLine);
    scope.Commit();
  }

  int NewMeasurement(const std::wstring& name, const std::wstring& shortcut) {
    Invoice::Measurement unit;
    unit.SetName(name);
    unit.SetShortcut(shortcut);
    unit.Save();
    return unit.GetId();
  }
  int NewTax(const std::wstring& name, double percent) {
    Invoice::Tax tax;
    tax.SetName(name);
    tax.SetPercent(percent);
    tax.Save();
    return tax.GetId();
  }
  int NewCompany(const std::wstring& name) {
    Invoice::Company company;
    company.SetName(name);
    company.SetSellToThisOne(true);
    company.Save();
    return company.GetId();
  }
  int NewItem(const std::wstring& name, const std::wstring& code, int measurementId, int taxId) {
    Invoice::Item item;
    item.SetName(name);
    item.SetCode(code);
    item.SetMeasurementId(measurementId);
    item.SetTaxId(taxId);
    item.SetDefInputSourceType(Invoice::kSourceTrading);
    item.Save();
    return item.GetId();
  }
  void AddStock(int itemId, double quantity) {
    Invoice::ItemInput line;
    line.SetItemId(itemId);
    line.SetQuantity(quantity);
    line.Save();
  }
  template <class Line>
  static void Fill(Line& line, int invoiceId, int itemId, const PrintLine& values) {
    line.SetInvoiceId(invoiceId);
    line.SetItemId(itemId);
    line.SetQuantity(values.quantity);
    line.SetBasePrice(values.price);
    line.SetDiscountPercent(values.discountPercent);
    line.SetTaxPercent(values.taxPercent);
    line.SetMeasurement(values.measurement);
  }
  void Issue(int invoiceId, int itemId, const PrintLine& values) {
    Invoice::ItemOutput line;
    Fill(line, invoiceId, itemId, values);
    line.SetOutputDestType(Invoice::kDestInvoice);
    line.Save();
  }
  void Receive(int invoiceId, int itemId, const PrintLine& values) {
    Invoice::ItemInput line;
    Fill(line, invoiceId, itemId, values);
    line.SetInputSourceType(Invoice::kSourceInvoice);
    line.Save();
  }

  int m_vendorId = 0;
  int m_clientId = 0;
  int m_tableId = 0;
  int m_nailsId = 0;
  int m_varnishId = 0;
  int m_saleId = 0;
  int m_purchaseId = 0;
};

}  // namespace corvane::test
