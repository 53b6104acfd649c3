#pragma once

// A throwaway database with what the stock dialogs read: items in groups,
// measurements, taxes, price lists and the quantity setting; and a recording
// item search that answers with queued ids.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "data/Settings.h"
#include "data/objects/Measurement.h"
#include "data/objects/PriceGroup.h"
#include "data/objects/Tax.h"
#include "forms/items/StockLineLogic.h"
#include "tests/data_objects/ObjectsFixture.h"

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/toplevel.h>

namespace corvane::test {

class StockTest : public ObjectsTest {
protected:
  int NewMeasurement(const std::wstring& name, const std::wstring& shortcut) {
    Invoice::Measurement measurement(0);
    measurement.SetName(name);
    measurement.SetShortcut(shortcut);
    Committed([&] { measurement.Save(); });
    return measurement.GetId();
  }
  int NewTax(const std::wstring& name, double percent) {
    Invoice::Tax tax(0);
    tax.SetName(name);
    tax.SetPercent(percent);
    Committed([&] { tax.Save(); });
    return tax.GetId();
  }
  int NewPriceGroup(const std::wstring& name, int direction) {
    Invoice::PriceGroup group(0);
    group.SetName(name);
    group.SetDirection(direction);
    Committed([&] { group.Save(); });
    return group.GetId();
  }
  void SetPrice(int priceGroupId, int itemId, double price, double discount) {
    Invoice::PriceList row;
    row.SetPriceGroupId(priceGroupId);
    row.SetItemId(itemId);
    row.SetPrice(price);
    row.SetDiscountPercent(discount);
    Committed([&] { row.Save(); });
  }
  // A committed item with its own measurement, tax and base unit.
  int StoredItem(const std::wstring& name, int sourceType = Invoice::kSourceTrading, int measurementId = 0,
                 int taxId = 0, double baseUnit = 0.0, int groupId = 0) {
    Invoice::Item item;
    item.SetName(name);
    item.SetDefInputSourceType(sourceType);
    item.SetMeasurementId(measurementId);
    item.SetTaxId(taxId);
    item.SetBaseUnit(baseUnit);
    item.SetGroupId(groupId);
    Committed([&] { item.Save(); });
    return item.GetId();
  }
  int StoredGroup(const std::wstring& name, int sourceType, int measurementId = 0, int taxId = 0) {
    Invoice::ItemGroup group(0);
    group.SetName(name);
    group.SetDefInputSourceType(sourceType);
    group.SetMeasurementId(measurementId);
    group.SetTaxId(taxId);
    Committed([&] { group.Save(); });
    return group.GetId();
  }
  void SetSetting(void (*set)(int), int value) {
    Committed([&] { set(value); });
  }

  // Applies a change set the way its holders do; the failure's text, or empty.
  std::wstring ApplyCommitted(ChangeSet& changes) {
    return FailureText([&] { Committed([&] { changes.Apply(); }); });
  }
};

// Answers item searches with queued ids (0 once the queue is empty) and
// keeps every request.
class SearchRecorder {
public:
  explicit SearchRecorder(std::deque<int32_t> answers = {}) : m_answers(std::move(answers)) {}

  ItemSearch Search() {
    return [this](const ItemSearchRequest& request) {
      m_requests.push_back(request);
      if (m_answers.empty()) return 0;
      const int32_t answer = m_answers.front();
      m_answers.pop_front();
      return answer;
    };
  }
  const std::vector<ItemSearchRequest>& Requests() const { return m_requests; }

private:
  std::deque<int32_t> m_answers;
  std::vector<ItemSearchRequest> m_requests;
};

// Runs action on the modal dialog of that class once its loop runs; a dialog
// the action leaves open is cancelled, so a failing test never hangs.
template <class Dialog>
void WhenModal(std::function<void(Dialog&)> action) {
  wxTheApp->CallAfter([action] {
    for (wxWindow* window : wxTopLevelWindows) {
      auto* dialog = dynamic_cast<Dialog*>(window);
      if (!dialog || !dialog->IsModal()) continue;
      action(*dialog);
      if (dialog->IsModal()) dialog->EndModal(platform::IDCANCEL);
      return;
    }
    ADD_FAILURE() << "no modal dialog of the expected class";
    for (wxWindow* window : wxTopLevelWindows)
      if (auto* dialog = dynamic_cast<wxDialog*>(window); dialog && dialog->IsModal())
        dialog->EndModal(platform::IDCANCEL);
  });
}

}  // namespace corvane::test
