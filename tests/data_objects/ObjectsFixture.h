#pragma once

// A throwaway database of the current schema as the program's one connection,
// for the business-object tests. Unlike the table-access tests, no application
// transaction is open at the start: each test opens its units of work itself,
// as the forms do.

#include <gtest/gtest.h>

#include <string>

#include "data/Connection.h"
#include "data/TransactionScope.h"
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

  platform::MessageBoxRecorder m_messages;
};

}  // namespace corvane::test
