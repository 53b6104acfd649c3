#include "forms/dialogs/OptionsValues.h"

#include "data/Settings.h"
#include "data/TransactionScope.h"
#include "data/objects/Company.h"
#include "data/objects/PriceGroup.h"
#include "data/objects/Template.h"
#include "forms/dialogs/DialogMessages.h"

void OptionsValues::Load() {
  myCompanyId = GetMyCompanyId();
  nextInvoiceNum = GetNextInvoiceNum();
  nextIncomeInvoiceNum = GetNextIncomeInvoiceNum();
  myCompanyName.clear();
  if (myCompanyId != 0) myCompanyName = Invoice::Company(myCompanyId).GetName();

  incomePriceListId = GetInputDefaultPriceGroup();
  outcomePriceListId = GetOutputDefaultPriceGroup();
  incomePriceLists.clear();
  outcomePriceLists.clear();
  std::vector<Invoice::PriceGroup> priceGroups;
  Invoice::GetAllPriceGroups(priceGroups);
  for (const auto& group : priceGroups) {
    if (group.GetDirection() == 1) incomePriceLists.push_back({group.GetId(), group.GetName()});
    if (group.GetDirection() == 2) outcomePriceLists.push_back({group.GetId(), group.GetName()});
  }

  quantityMethod = GetQuantityMethod();
  quantityMethods = {{0, L"Pieces"}, {1, L"Defined Measurement"}};

  defaultTemplateId = GetDefaultTemplate();
  templates.clear();
  std::vector<Invoice::Template> all;
  Invoice::GetAllTemplates(all);
  for (const auto& item : all) templates.push_back({item.GetId(), item.GetName()});
}

void OptionsValues::ChooseMyCompany(int32_t companyId) {
  const Invoice::Company company(companyId);
  myCompanyId = companyId;
  myCompanyName = company.GetName();
}

void OptionsValues::Save() const {
  TransactionScope scope;
  SetMyCompanyId(myCompanyId);
  SetNextInvoiceNum(nextInvoiceNum);
  SetNextIncomeInvoiceNum(nextIncomeInvoiceNum);
  SetInputDefaultPriceGroup(incomePriceListId);
  SetOutputDefaultPriceGroup(outcomePriceListId);
  SetQuantityMethod(quantityMethod);
  SetDefaultTemplate(defaultTemplateId);
  scope.Commit();
}

int OptionsValues::IndexOf(const std::vector<OptionChoice>& choices, int32_t id) {
  for (size_t i = 0; i < choices.size(); ++i)
    if (choices[i].id == id) return static_cast<int>(i);
  return -1;
}

int32_t OptionsValues::ParseNumber(const std::wstring& text) {
  return dialogs::ParseLeadingInt(text);
}

std::wstring OptionsValues::FormatNumber(int32_t number) {
  return std::to_wstring(number);
}
