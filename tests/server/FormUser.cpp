// One user of a shared server database with a form open, as a program of
// its own: reads an invoice or a client as its form does, waits until told
// to save, and saves the way the form does. A save refused because another
// user saved the same object first is followed, as the form offers, by
// reading what is stored now and making the same change again.
//
//   corvane_form_user seed PATH
//       my company, a client, two items with 1000 on stock each, and an
//       outgoing invoice to the client with one line of 2 x 30.00 of each;
//       prints "CLIENT <id> INVOICE <id> ITEMS <id> <id>"
//   corvane_form_user edit-invoice PATH INVOICE ITEM QUANTITY DISCOUNT GATE
//       the invoice form: sets the quantity of the item's line and the
//       invoice discount percent ("-" leaves it as read)
//   corvane_form_user edit-client PATH CLIENT NAME|DISCOUNT VALUE GATE
//       the client form's details: a new name, or a new default discount
//   corvane_form_user accept-payment PATH INVOICE
//       Accept Payment of what the invoice still owes, at once
//
// The editing commands print "READ" once they have read, wait for the file
// GATE to exist, save and print "SAVED", or "REFUSED <message>" and then, read
// anew, "SAVED" or "FAILED <message>". The exit code is 0 when the edit was
// stored in the end.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <thread>

#include "UserProgram.h"
#include "common/ui/AmountFormat.h"
#include "data/ChangeSet.h"
#include "data/Connection.h"
#include "data/DbException.h"
#include "data/Settings.h"
#include "data/TransactionScope.h"
#include "data/objects/Company.h"
#include "data/objects/Invoice.h"
#include "data/objects/Item.h"
#include "data/objects/ItemInput.h"
#include "data/objects/ItemOutput.h"
#include "data/objects/Payment.h"
#include "data/objects/StaleRow.h"
#include "forms/company/CompanyDetails.h"
#include "forms/invoice/InvoiceHeaderFields.h"
#include "forms/invoice/InvoiceLines.h"
#include "forms/invoice/InvoiceSaveSequence.h"
#include "forms/invoice/InvoiceTotals.h"
#include "platform/OleDateTime.h"
#include "platform/TextCodec.h"
#include "shell/ui/BaseListRows.h"

namespace {

using corvane::test::OneLine;

const AmountFormat& Format() {
  static const AmountFormat format = AmountFormat::Of(platform::LocaleInfo{});
  return format;
}

// An open invoice form: the header and the lines as read, edited in place.
struct InvoiceForm {
  InvoiceHeaderFields header;
  ChangeSet lines;
  BaseListRows rows;

  void Open(int invoiceId) {
    header.LoadInvoice(invoiceId, 0, false);
    header.FillChoices();
    header.FillMyCompany();
    InvoiceLines::AppendStoredRows(header.invoice, false, lines, rows);
  }
  void SetLineQuantity(int itemId, double quantity) {
    for (size_t index = 0; index < rows.GetRowCount(); ++index) {
      auto* stored = dynamic_cast<Invoice::ItemOutput*>(lines.Find(rows.GetRow(index).GetObjectId()));
      if (!stored || stored->GetItemId() != itemId) continue;
      Invoice::ItemOutput line = *stored;
      line.SetQuantity(quantity);
      lines.Update(line);
    }
  }
  void Save() {
    BaseListRows shown;
    InvoiceLines::AppendChangeSetRows(lines, false, shown);
    InvoiceSaveSequence::Save(header, InvoiceTotals::Compute(shown, header.discountPercent, Format()), lines);
  }
};

int Seed() {
  int clientId = 0;
  int itemIds[2] = {0, 0};
  {
    TransactionScope scope;
    Invoice::Company mine;
    mine.SetName(L"Corvane Trading");
    mine.Save();
    SetMyCompanyId(mine.GetId());
    Invoice::Company client;
    client.SetName(L"Mountain Bakery Ltd");
    client.Save();
    clientId = client.GetId();
    const wchar_t* names[2] = {L"Rye flour 25kg", L"Sunflower seeds"};
    for (int i = 0; i < 2; ++i) {
      Invoice::Item item;
      item.SetName(names[i]);
      item.SetDefInputSourceType(Invoice::kSourceTrading);
      item.Save();
      itemIds[i] = item.GetId();
      Invoice::ItemInput receipt;
      receipt.SetItemId(itemIds[i]);
      receipt.SetQuantity(1000);
      receipt.Save();
    }
    SetNextInvoiceNum(1);
    scope.Commit();
  }
  InvoiceForm form;
  form.header.LoadInvoice(0, clientId, false);
  form.header.FillChoices();
  form.header.FillMyCompany();
  for (int itemId : itemIds) {
    Invoice::ItemOutput line;
    line.SetItemId(itemId);
    line.SetQuantity(2);
    line.SetBasePrice(30.0);
    form.lines.Update(line);
  }
  form.Save();
  std::cout << "CLIENT " << clientId << " INVOICE " << form.header.invoice.GetId() << " ITEMS " << itemIds[0]
            << " " << itemIds[1] << std::endl;
  return 0;
}

// Opens and edits (open), then saves (save) once the gate is there; after a
// stale refusal, opens and edits again and saves once more.
template <class Form>
int EditAndSave(const char* gate, const std::function<void(Form&)>& open,
                const std::function<void(Form&)>& save) {
  Form form;
  open(form);
  if (!corvane::test::SayAndWaitForGate("READ", gate)) return 1;
  try {
    save(form);
    std::cout << "SAVED" << std::endl;
    return 0;
  } catch (const Invoice::StaleRowException& refused) {
    std::cout << "REFUSED " << OneLine(refused.GetText()) << std::endl;
  }
  try {
    Form again;
    open(again);
    save(again);
    std::cout << "SAVED" << std::endl;
    return 0;
  } catch (const Invoice::DbException& failed) {
    std::cout << "FAILED " << OneLine(failed.GetText()) << std::endl;
    return 1;
  }
}

int EditInvoice(int invoiceId, int itemId, double quantity, const std::string& discount, const char* gate) {
  return EditAndSave<InvoiceForm>(
      gate,
      [&](InvoiceForm& form) {
        form.Open(invoiceId);
        form.SetLineQuantity(itemId, quantity);
        if (discount != "-") form.header.discountPercent = std::atof(discount.c_str());
      },
      [](InvoiceForm& form) { form.Save(); });
}

int EditClient(int clientId, const std::string& field, const std::string& value, const char* gate) {
  return EditAndSave<Invoice::Company>(
      gate,
      [&](Invoice::Company& company) {
        company = Invoice::Company(clientId);
        CompanyDetailsInput input;
        input.name = company.GetName();
        input.priceListId = company.GetPriceGroupId();
        input.discountText = FormatAmount(Format(), company.GetDefaultDiscount());
        if (field == "NAME")
          input.name = platform::FromUtf8(value);
        else
          input.discountText = platform::FromUtf8(value);
        CompanyDetails::Apply(input, Format(), company);
      },
      [](Invoice::Company& company) {
        TransactionScope scope;
        company.Save();
        scope.Commit();
      });
}

int AcceptPayment(int invoiceId) {
  const Invoice::Invoice invoice(invoiceId);
  Invoice::Payment payment;
  payment.SetAmount(invoice.GetAmountOwed());
  payment.SetReferenceObjectId(invoiceId);
  payment.SetCompanyPayingId(invoice.GetCompanyId());
  payment.SetCompanyReceivingId(invoice.GetCompanyIdFrom());
  payment.SetPaidOn(platform::OleDateTime::Now().GetDate());
  ChangeSet changes;
  changes.Update(payment);
  TransactionScope scope;
  changes.Apply();
  scope.Commit();
  std::cout << "SAVED" << std::endl;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 2 ? argv[1] : "";
  const bool valid = (command == "seed" && argc == 3) || (command == "edit-invoice" && argc == 8) ||
                     (command == "edit-client" && argc == 7) || (command == "accept-payment" && argc == 4);
  if (!valid) {
    std::cerr << "usage: corvane_form_user seed PATH | edit-invoice PATH INVOICE ITEM QUANTITY DISCOUNT GATE"
                 " | edit-client PATH CLIENT NAME|DISCOUNT VALUE GATE | accept-payment PATH INVOICE\n";
    return 2;
  }
  try {
    ConnectDatabaseFile(argv[2]);
    int result = 0;
    if (command == "seed")
      result = Seed();
    else if (command == "edit-invoice")
      result = EditInvoice(std::atoi(argv[3]), std::atoi(argv[4]), std::atof(argv[5]), argv[6], argv[7]);
    else if (command == "edit-client")
      result = EditClient(std::atoi(argv[3]), argv[4], argv[5], argv[6]);
    else
      result = AcceptPayment(std::atoi(argv[3]));
    DisconnectDatabase();
    return result;
  } catch (const Invoice::DbException& failure) {
    std::cout << "FAILED " << OneLine(failure.GetText()) << std::endl;
    return 1;
  }
}
