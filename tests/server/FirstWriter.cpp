// One user of a shared server database who writes something for the first
// time while other users may do the same, as a program of its own.
//
//   corvane_first_writer seed PATH             an item and an outcome price
//                                              list; prints "ITEM <id> GROUP <id>"
//   corvane_first_writer price PATH FORM ITEM GROUP PRICE GATE
//                                              sets the item's price in the
//                                              list on the item's prices page
//                                              (FORM "item") or in the price
//                                              list form (FORM "list"); begins
//                                              the save, prints "READY", waits
//                                              for the file GATE, then writes
//                                              and commits
//   corvane_first_writer settings PATH GATE    begins a unit of work, prints
//                                              "READY", waits for GATE, then
//                                              reads the settings a new
//                                              outgoing invoice reads inside it
//                                              and commits
//   corvane_first_writer open-invoice PATH GATE
//                                              prints "READY", waits for GATE,
//                                              then opens a new outgoing
//                                              invoice as the invoice form does;
//                                              prints "OPENED <number>"
//
// A save prints "SAVED", or "REFUSED <message>" and then saves once more
// from a fresh unit of work, as the message asks. Every message box the
// program would show is printed as "MESSAGE <text>". The exit code is 0 when
// the work was done.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "UserProgram.h"
#include "data/ChangeSet.h"
#include "data/Connection.h"
#include "data/DbException.h"
#include "data/Settings.h"
#include "data/TransactionScope.h"
#include "data/objects/Item.h"
#include "data/objects/PriceGroup.h"
#include "forms/dialogs/PriceListDetails.h"
#include "forms/invoice/InvoiceHeaderFields.h"
#include "forms/items/EditPriceLogic.h"
#include "forms/items/PendingPrices.h"
#include "platform/MessageBox.h"
#include "platform/TextCodec.h"

namespace {

using corvane::test::OneLine;

bool WaitForGate(const char* gate) {
  return corvane::test::SayAndWaitForGate("READY", gate);
}

// Runs write in a unit of work begun before the gate opens; after a refusal
// once more in a fresh one.
int SaveAtGate(const char* gate, const std::function<void()>& write) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    try {
      TransactionScope scope;
      if (attempt == 0 && !WaitForGate(gate)) return 1;
      write();
      scope.Commit();
      std::cout << "SAVED" << std::endl;
      return 0;
    } catch (const Invoice::DbException& refused) {
      std::cout << "REFUSED " << OneLine(refused.GetText()) << std::endl;
    }
  }
  return 1;
}

int Seed() {
  TransactionScope scope;
  Invoice::Item item;
  item.SetName(L"Rye flour 25kg");
  item.Save();
  Invoice::PriceGroup group;
  group.SetName(L"Retail");
  group.SetDirection(2);
  group.SetForSelling(true);
  group.SetForBuying(true);
  group.Save();
  scope.Commit();
  std::cout << "ITEM " << item.GetId() << " GROUP " << group.GetId() << std::endl;
  return 0;
}

// The change-price dialog's "equal to" on the rows.
void SetPrices(ChangeSet& changes, std::vector<Invoice::PriceList>& rows, double price) {
  EditPriceLogic logic(&changes, price, &rows);
  logic.SetMode(EditPriceLogic::kEqual);
  logic.Apply();
}

// The item's prices page: the item's row in the list, edited, and the
// page's change set applied by the item form's save.
int PriceOnItemPage(int itemId, int groupId, double price, const char* gate) {
  ChangeSet changes;
  PendingPrices prices(changes);
  prices.BeginFill(true);
  const PriceRow row = prices.Show(Invoice::PriceGroup(groupId).GetItemPrice(itemId), itemId, groupId);
  std::vector<Invoice::PriceList> rows = prices.RowsToEdit({row});
  SetPrices(changes, rows, price);
  return SaveAtGate(gate, [&] { changes.Apply(); });
}

// The price list form: the item's row among all items, edited, and the list
// saved with its prices.
int PriceInListForm(int itemId, int groupId, double price, const char* gate) {
  ChangeSet changes;
  PriceListDetails details(changes);
  details.Fill(groupId, false);
  long index = -1;
  for (size_t i = 0; i < details.GetRows().size(); ++i)
    if (details.GetRows()[i].GetProperty(L"item_object_id").AsInt() == itemId) index = static_cast<long>(i);
  if (index < 0) return 1;
  std::vector<Invoice::PriceList> rows = details.RowsToEdit({index});
  SetPrices(changes, rows, price);
  Invoice::PriceGroup group(groupId);
  return SaveAtGate(gate, [&] { details.Save(group, group.GetName(), group.GetDirection()); });
}

int ReadSettings(const char* gate) {
  return SaveAtGate(gate, [] {
    ReadSettingInt(kNextInvoiceNumKey, 1);
    ReadSettingInt(kMyCompanyIdKey, 0);
    ReadSettingInt(kOutputDefaultPriceGroupKey, 0);
  });
}

int OpenInvoice(const char* gate) {
  if (!WaitForGate(gate)) return 1;
  InvoiceHeaderFields header;
  header.LoadInvoice(0, 0, false);
  header.FillChoices();
  header.FillMyCompany();
  std::cout << "OPENED " << platform::ToUtf8(header.numberText) << std::endl;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 2 ? argv[1] : "";
  const bool known = (command == "seed" && argc == 3) || (command == "price" && argc == 8) ||
                     ((command == "settings" || command == "open-invoice") && argc == 4);
  if (!known) {
    std::cerr << "usage: corvane_first_writer seed PATH | price PATH item|list ITEM GROUP PRICE GATE"
                 " | settings PATH GATE | open-invoice PATH GATE\n";
    return 2;
  }
  platform::MessageBoxRecorder messages;
  int result = 1;
  try {
    ConnectDatabaseFile(argv[2]);
    if (command == "seed") {
      result = Seed();
    } else if (command == "price") {
      const int itemId = std::atoi(argv[4]);
      const int groupId = std::atoi(argv[5]);
      const double price = std::atof(argv[6]);
      result = std::string(argv[3]) == "list" ? PriceInListForm(itemId, groupId, price, argv[7])
                                              : PriceOnItemPage(itemId, groupId, price, argv[7]);
    } else if (command == "settings") {
      result = ReadSettings(argv[3]);
    } else {
      result = OpenInvoice(argv[3]);
    }
    DisconnectDatabase();
  } catch (const Invoice::DbException& failure) {
    std::cout << "FAILED " << OneLine(failure.GetText()) << std::endl;
    result = 1;
  }
  for (const platform::ShownMessage& shown : messages.Shown())
    std::cout << "MESSAGE " << OneLine(shown.text) << std::endl;
  return result;
}
