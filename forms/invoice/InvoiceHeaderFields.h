#pragma once

// The header of the invoice form without its windows: the parties with
// their address blocks, the number and title, the dates, the payment, the
// allowed delay, the template and the invoice discount percent, plus what
// the form offers new lines (a price list and a discount). The wx form
// copies these values into its controls and the user's edits back; the
// operations here make the decisions and read the database.
//
// Every operation that reads the database throws Invoice::DbException; the
// form shows the text, and what was filled before the failure stays.

#include <cstdint>
#include <string>

#include "data/objects/Invoice.h"
#include "forms/invoice/ChoiceList.h"
#include "platform/OleDateTime.h"

// One side of the invoice: To (the client of an outcome invoice, my company
// on an income one) or From (my company on an outcome invoice, the supplier
// of an income one).
struct InvoiceParty {
  int32_t companyId = 0;
  std::wstring name;         // the read-only name field (client or supplier)
  ChoiceList myCompany;      // my company, the only entry, on the side that is mine
  ChoiceList addresses;      // "I'll enter it my self" (0), then the company's addresses
  std::wstring addressText;  // the address block
  bool addressReadOnly = false;
};

inline constexpr wchar_t kEnterAddressMyself[] = L"I'll enter it my self";
inline constexpr wchar_t kDefaultTemplateChoice[] = L"Default";

// "%04ld/%02d" of the number and the year minus 2000: 7 in 2006 is "0007/06".
std::wstring FormatInvoiceNumber(int number, int year);
// "Outcome Invoice 0007/06", or "Income Invoice ..." for type 1: the frame's
// caption and the title of a preview or print.
std::wstring FormatInvoiceCaption(int invoiceType, const std::wstring& numberText);

struct InvoiceHeaderFields {
  // Reads the invoice (0: a new one of the kind) into the fields, as the
  // form's load does before it reads the lines: a stored invoice's own
  // values; for a new one the next number of its kind and my company on my
  // side. The company given becomes the To side (a stored invoice's own
  // parties replace it). Then the names of both parties, and the price list
  // and discount the To company offers new lines.
  void LoadInvoice(int32_t invoiceId, int32_t companyId, bool income);
  // Fills both address lists, the delay and the template list, selecting
  // the values that LoadInvoice read.
  void FillChoices();
  // Puts my company (setting MY_COMPANY_ID) on my side, the only entry of
  // that side's my-company list; 0 and an empty list when none is set.
  void FillMyCompany();

  // Refills a side's addresses: "I'll enter it my self" first, then the
  // company's addresses by name, the one with addressId selected (else the
  // first entry); then applies the selection (ChooseAddress).
  void FillAddresses(InvoiceParty& party, int32_t addressId);
  // Applies the side's address selection: a stored address puts its current
  // block into the address text, which becomes read-only; "I'll enter it my
  // self" leaves the text as typed and writable; no selection changes nothing.
  void ChooseAddress(InvoiceParty& party);
  // The search chose a company for the To side (the client): its name, the
  // price list (its own, else the default outcome price list) and discount
  // offered to new lines, and its addresses with none selected, so the
  // typed block stays.
  void ChooseClient(int32_t companyId);
  // The same for the From side (the supplier); new lines are not affected.
  void ChooseSupplier(int32_t companyId);
  // The user picked in a my-company list: its selection's data (0 for none)
  // becomes the side's company.
  void ChooseMyCompany(InvoiceParty& party);

  bool IsIncome() const { return invoiceType == 1; }
  // The number text and the title that shows it.
  void SetNumber(const std::wstring& number);
  std::wstring GetCaption() const { return FormatInvoiceCaption(invoiceType, numberText); }
  // The template the invoice is stored with: the chosen one, 0 for "Default"
  // and also when the list has no selection (a template no longer listed).
  int32_t GetTemplateIdToSave() const;
  // The template to print with: the chosen one, else the default template
  // (setting DEF_TEMPLATE); 0 when there is neither.
  int32_t GetPrintTemplateId() const;

  Invoice::Invoice invoice;  // the edited invoice, as loaded
  int32_t invoiceId = 0;     // 0 until the invoice is saved
  int invoiceType = 0;       // 1 income, any other value outcome
  InvoiceParty to;
  InvoiceParty from;
  int32_t linePriceListId = 0;       // offered to new lines
  double lineDiscountPercent = 0.0;  // offered to new lines
  int drawnNumber = 0;               // a new invoice's number, from the settings
  int numberYear = -1;               // the year a new invoice's number is written with
  std::wstring numberText;
  std::wstring titleText;  // "I-ce " and the number
  platform::OleDateTime date = platform::OleDateTime::Now();
  platform::OleDateTime paidDate = platform::OleDateTime::Now();
  bool paid = false;
  ChoiceList days;               // the days conditions, each with its number of days
  ChoiceList templates;          // "Default" (0), then every template
  double discountPercent = 0.0;  // the invoice discount percent

private:
  // Read by LoadInvoice, selected by FillChoices.
  int32_t m_toAddressId = 0;
  int32_t m_fromAddressId = 0;
  int32_t m_daysCondition = 0;
  int32_t m_templateId = 0;
};
