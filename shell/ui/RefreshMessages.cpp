#include "shell/ui/RefreshMessages.h"

#include "platform/WindowMessages.h"

namespace RefreshMessages {
namespace {

const std::array<unsigned, 10>& Ids() {
  static const std::array<unsigned, 10> ids = {
      platform::RegisterWindowMessage(L"CORVANE_INVOICES_REFRESH_YEAR"),
      platform::RegisterWindowMessage(L"CORVANE_INVOICES_REFRESH_INVOCES"),
      platform::RegisterWindowMessage(L"CORVANE_INVOICES_REFRESH_PRICE_LIST"),
      platform::RegisterWindowMessage(L"CORVANE_INVOICES_REFRESH_ITEM"),
      platform::RegisterWindowMessage(L"CORVANE_INVOICES_REFRESH_COMPANY"),
      platform::RegisterWindowMessage(L"CORVANE_INVOICES_REFRESH_ITEM_GROUPS"),
      platform::RegisterWindowMessage(L"CORVANE_COMPANIES_REFRESH_CONTACT_LIST"),
      platform::RegisterWindowMessage(L"CORVANE_INVOICES_REFRESH_ITEMS_INPUT"),
      platform::RegisterWindowMessage(L"CORVANE_INVOICES_REFRESH_ITEMS_OUTPUT"),
      platform::RegisterWindowMessage(L"CORVANE_INVOICES_REFRESH_FINANCE"),
  };
  return ids;
}

}  // namespace

unsigned Year() {
  return Ids()[0];
}
unsigned Invoices() {
  return Ids()[1];
}
unsigned PriceList() {
  return Ids()[2];
}
unsigned Item() {
  return Ids()[3];
}
unsigned Company() {
  return Ids()[4];
}
unsigned ItemGroups() {
  return Ids()[5];
}
unsigned ContactList() {
  return Ids()[6];
}
unsigned ItemsInput() {
  return Ids()[7];
}
unsigned ItemsOutput() {
  return Ids()[8];
}
unsigned Finance() {
  return Ids()[9];
}

const std::array<unsigned, 10>& All() {
  return Ids();
}

void RegisterAll() {
  (void)Ids();
}

}  // namespace RefreshMessages
