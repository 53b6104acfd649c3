#pragma once

// The business options of the SETTINGS table as the options dialog edits
// them, without a window: what it reads, what its lists offer and what OK
// writes.

#include <cstdint>
#include <string>
#include <vector>

// One entry of a drop-down list: the id it stands for and its text.
struct OptionChoice {
  int32_t id = 0;
  std::wstring name;

  bool operator==(const OptionChoice&) const = default;
};

class OptionsValues {
public:
  // Reads every option (a key not stored yet is created with its default)
  // and the lists' entries: income price lists (DIRECTION 1), outcome price
  // lists (DIRECTION 2), the two quantity methods and the templates, each
  // by NAME. Throws Invoice::DbException; what was read before stays.
  void Load();

  // The user's own company, found by the search dialog: its id and NAME.
  // Throws Invoice::DbException.
  void ChooseMyCompany(int32_t companyId);

  // Writes every option in one unit of work, in the order MY_COMPANY_ID,
  // INVOICE_NUM, INCOME_INVOICE_NUM, INPUT_DEFAULT_PRICE_GROUP,
  // OUTPUT_DEFAULT_PRICE_GROUP, QUANTITY_METHOD, DEF_TEMPLATE. Throws
  // Invoice::DbException and then nothing is written.
  void Save() const;

  // The index of the entry with that id; -1 when none has it (the list then
  // shows no selection).
  static int IndexOf(const std::vector<OptionChoice>& choices, int32_t id);
  // The text of a number edit read as a plain decimal number; 0 without one.
  static int32_t ParseNumber(const std::wstring& text);
  static std::wstring FormatNumber(int32_t number);

  int32_t myCompanyId = 0;
  std::wstring myCompanyName;
  int32_t nextInvoiceNum = 1;
  int32_t nextIncomeInvoiceNum = 1;
  int32_t incomePriceListId = 0;
  int32_t outcomePriceListId = 0;
  int32_t quantityMethod = 0;
  int32_t defaultTemplateId = 0;

  std::vector<OptionChoice> incomePriceLists;
  std::vector<OptionChoice> outcomePriceLists;
  std::vector<OptionChoice> quantityMethods;
  std::vector<OptionChoice> templates;
};
