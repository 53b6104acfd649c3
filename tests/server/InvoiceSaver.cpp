// One user of a shared server database, as a program of its own: opens new
// outgoing invoices and saves them the way the invoice form does, each with
// one line that takes an item off the stock.
//
//   corvane_invoice_saver seed PATH            my company, a client and an item
//                                              with 1000 on stock; prints
//                                              "CLIENT <id> ITEM <id>"
//   corvane_invoice_saver save PATH N CLIENT ITEM
//                                              saves N invoices; prints
//                                              "SAVED <number>" for each and
//                                              "REFUSED <message>" for each
//                                              save the database refused
//   corvane_invoice_saver edit-receipt PATH RECEIPT QUANTITY [GATE]
//                                              opens the stored receipt as a
//                                              stock window does and sets its
//                                              quantity; with GATE, prints
//                                              "READ" and waits for that file
//                                              to exist before saving; prints
//                                              "SAVED" or "REFUSED <message>",
//                                              and after a refusal saves once
//                                              more, as the message asks
//
// A refused save is tried again from a freshly opened invoice, as a user
// would. The exit code is 0 when all N were saved.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <thread>

#include "UserProgram.h"
#include "data/ChangeSet.h"
#include "data/Connection.h"
#include "data/DbException.h"
#include "data/Settings.h"
#include "data/TransactionScope.h"
#include "data/objects/Company.h"
#include "data/objects/Item.h"
#include "data/objects/ItemInput.h"
#include "data/objects/ItemOutput.h"
#include "forms/invoice/InvoiceHeaderFields.h"
#include "forms/invoice/InvoiceSaveSequence.h"
#include "forms/invoice/InvoiceTotals.h"
#include "platform/TextCodec.h"

namespace {

using corvane::test::OneLine;

int Seed() {
  TransactionScope scope;
  Invoice::Company mine;
  mine.SetName(L"Corvane Trading");
  mine.Save();
  SetMyCompanyId(mine.GetId());
  Invoice::Company client;
  client.SetName(L"Mountain Bakery Ltd");
  client.Save();
  Invoice::Item item;
  item.SetName(L"Rye flour 25kg");
  item.SetDefInputSourceType(Invoice::kSourceTrading);
  item.Save();
  Invoice::ItemInput receipt;
  receipt.SetItemId(item.GetId());
  receipt.SetQuantity(1000);
  receipt.Save();
  SetNextInvoiceNum(1);
  scope.Commit();
  std::cout << "CLIENT " << client.GetId() << " ITEM " << item.GetId() << std::endl;
  return 0;
}

// One new invoice opened, its line added and saved; throws what the save throws.
std::wstring SaveOne(int clientId, int itemId) {
  InvoiceHeaderFields header;
  header.LoadInvoice(0, clientId, false);
  header.FillChoices();
  header.FillMyCompany();
  ChangeSet lines;
  Invoice::ItemOutput line;
  line.SetItemId(itemId);
  line.SetQuantity(1);
  line.SetBasePrice(2.5);
  lines.Update(line);
  InvoiceTotals totals;
  totals.withoutTax = totals.total = 2.5;
  InvoiceSaveSequence::Save(header, totals, lines);
  return header.numberText;
}

int Save(int count, int clientId, int itemId) {
  constexpr int kTries = 200;
  for (int saved = 0; saved < count; ++saved) {
    int tries = 0;
    for (;;) {
      try {
        const std::wstring number = SaveOne(clientId, itemId);
        std::cout << "SAVED " << platform::ToUtf8(number) << std::endl;
        break;
      } catch (const Invoice::DbException& refused) {
        std::cout << "REFUSED " << OneLine(refused.GetText()) << std::endl;
        if (++tries == kTries) return 1;
      }
    }
  }
  return 0;
}

// Saves the change set as the stock windows do; prints what happened.
bool SaveEdit(ChangeSet& changes) {
  try {
    TransactionScope scope;
    changes.Apply();
    scope.Commit();
    std::cout << "SAVED" << std::endl;
    return true;
  } catch (const Invoice::DbException& refused) {
    std::cout << "REFUSED " << OneLine(refused.GetText()) << std::endl;
    return false;
  }
}

int EditReceipt(int receiptId, double quantity, const char* gate) {
  ChangeSet changes;
  changes.Add(Invoice::ItemInput(receiptId));
  Invoice::ItemInput edited = *dynamic_cast<Invoice::ItemInput*>(changes.Find(receiptId));
  edited.SetQuantity(quantity);
  changes.Update(edited);
  if (gate && !corvane::test::SayAndWaitForGate("READ", gate)) return 1;
  if (!SaveEdit(changes)) SaveEdit(changes);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 2 ? argv[1] : "";
  const bool editing = command == "edit-receipt" && (argc == 5 || argc == 6);
  if (command != "seed" && !(command == "save" && argc == 6) && !editing) {
    std::cerr << "usage: corvane_invoice_saver seed PATH | save PATH N CLIENT ITEM"
                 " | edit-receipt PATH RECEIPT QUANTITY [GATE]\n";
    return 2;
  }
  try {
    ConnectDatabaseFile(argv[2]);
    const int result =
        command == "seed" ? Seed()
        : editing         ? EditReceipt(std::atoi(argv[3]), std::atof(argv[4]), argc == 6 ? argv[5] : nullptr)
                          : Save(std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]));
    DisconnectDatabase();
    return result;
  } catch (const Invoice::DbException& failure) {
    std::cout << "FAILED " << OneLine(failure.GetText()) << std::endl;
    return 1;
  }
}
