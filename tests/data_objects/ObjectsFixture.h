#pragma once

// A throwaway database of the current schema as the program's one connection,
// for the business-object tests. Unlike the table-access tests, no application
// transaction is open at the start: each test opens its units of work itself,
// as the forms do.

#include <gtest/gtest.h>

#include <string>

#include "data/Connection.h"
#include "data/TransactionScope.h"
#include "data/objects/Item.h"
#include "data/objects/ItemDependency.h"
#include "data/objects/ItemGroup.h"
#include "data/objects/ItemInput.h"
#include "data/objects/ItemOutput.h"
#include "platform/MessageBox.h"
#include "tests/data_access/DataAccessFixture.h"

namespace corvane::test {

class ObjectsTest : public DataAccessTest {
protected:
  void SetUp() override {
    DataAccessTest::SetUp();
    DropDbTransaction();
  }

  // The one value of a single-row query, as text ("NULL" for NULL, "" for no row).
  std::wstring Value(const std::wstring& sql) {
    const auto values = Column(sql);
    return values.empty() ? L"" : values.front();
  }

  // Runs work inside a unit of work and commits it.
  template <class Fn>
  void Committed(Fn&& work) {
    TransactionScope scope;
    work();
    scope.Commit();
  }

  // A stored item (or item group) with the given source type.
  Invoice::Item NewItem(const std::wstring& name, int sourceType = Invoice::kSourceTrading, int groupId = 0) {
    Invoice::Item item;
    item.SetName(name);
    item.SetDefInputSourceType(sourceType);
    item.SetGroupId(groupId);
    item.Save();
    return item;
  }
  Invoice::ItemGroup NewGroup(const std::wstring& name, int parentId = 0,
                              int sourceType = Invoice::kSourceTrading) {
    Invoice::ItemGroup group(0);
    group.SetName(name);
    group.SetParentId(parentId);
    group.SetDefInputSourceType(sourceType);
    group.Save();
    return group;
  }

  // Every `trigger` of the item received issues `perTrigger` of the ingredient.
  void AddIngredient(int itemId, int ingredientId, double trigger, double perTrigger) {
    Invoice::ItemDependency recipe;
    recipe.SetItemId(itemId);
    recipe.SetDepItemId(ingredientId);
    recipe.SetTriggerQuantity(trigger);
    recipe.SetDepQuantity(perTrigger);
    recipe.Save();
  }

  // A saved receipt / issue line of the item; the line's id.
  int Receive(int itemId, double quantity, int invoiceId = 0) {
    Invoice::ItemInput line;
    line.SetItemId(itemId);
    line.SetQuantity(quantity);
    line.SetInvoiceId(invoiceId);
    line.Save();
    return line.GetId();
  }
  int Issue(int itemId, double quantity, int invoiceId = 0) {
    Invoice::ItemOutput line;
    line.SetItemId(itemId);
    line.SetQuantity(quantity);
    line.SetInvoiceId(invoiceId);
    line.Save();
    return line.GetId();
  }

  // QUANTITY_ON_STOCK as stored; -1.0 when the item has no row.
  double Stock(int itemId) {
    return ReadDouble(L"SELECT QUANTITY_ON_STOCK FROM ITEMS WHERE OBJECT_ID = " + std::to_wstring(itemId));
  }
  int Count(const std::wstring& table, const std::wstring& condition) {
    return std::stoi(Value(L"SELECT CAST(COUNT(*) AS INTEGER) FROM " + table + L" WHERE " + condition));
  }

  platform::MessageBoxRecorder m_messages;
};

}  // namespace corvane::test
