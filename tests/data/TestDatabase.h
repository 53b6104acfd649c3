#pragma once

// Throwaway databases for the data-layer tests.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

#include "TestEnvironment.h"
#include "data/Connection.h"
#include "data/Schema.h"
#include "data/ibase/ibAutoTransaction.h"
#include "data/ibase/ibCall.h"
#include "data/ibase/ibDatabase.h"

namespace corvane::test {

// Records the client calls while alive.
class CallRecorder {
public:
  CallRecorder() {
    ibase::SetObserver([this](const ibase::ibCall& call) {
      m_calls.push_back(
          {call.operation, std::wstring(call.sql), std::string(call.parameterBlock), call.dialect});
    });
  }
  ~CallRecorder() { ibase::SetObserver(nullptr); }
  CallRecorder(const CallRecorder&) = delete;
  CallRecorder& operator=(const CallRecorder&) = delete;

  struct Call {
    ibase::ibOperation operation;
    std::wstring sql;
    std::string parameterBlock;
    unsigned short dialect;
  };

  const std::vector<Call>& Calls() const { return m_calls; }
  std::vector<Call> Of(ibase::ibOperation operation) const {
    std::vector<Call> found;
    for (const Call& call : m_calls)
      if (call.operation == operation) found.push_back(call);
    return found;
  }
  void Clear() { m_calls.clear(); }

private:
  std::vector<Call> m_calls;
};

// Makes the named client operation fail while alive.
class FailingOperation {
public:
  explicit FailingOperation(ibase::ibOperation operation) {
    ibase::SetFaultInjector([operation](const ibase::ibCall& call) { return call.operation == operation; });
  }
  ~FailingOperation() { ibase::SetFaultInjector(nullptr); }
  FailingOperation(const FailingOperation&) = delete;
  FailingOperation& operator=(const FailingOperation&) = delete;
};

// Creating a database takes seconds (every page write is synchronous), so
// tests copy cached files instead: each is built once per key and shared by
// the test processes of a run.
template <typename Create>
void CopyCachedDatabase(const std::string& key, const std::filesystem::path& path, Create create) {
  namespace fs = std::filesystem;
  const fs::path cache = ProcessTempDir().parent_path() / ("cached-" + key + ".fdb");
  if (!fs::exists(cache)) {
    const fs::path made = ProcessTempDir() / ("cache-" + key + ".fdb");
    std::error_code ignored;
    fs::remove(made, ignored);
    create(made.string());
    fs::rename(made, cache);  // atomic: another process's rename only puts an equal file in place
  }
  fs::copy_file(cache, path);
}

// An empty database of the current schema at path.
inline void MakeSchemaDatabase(const std::filesystem::path& path) {
  size_t hash = 0;
  auto add = [&hash](const std::vector<std::wstring>& statements) {
    for (const auto& statement : statements) hash = hash * 31 + std::hash<std::wstring>{}(statement);
  };
  add(schema::CurrentSchemaStatements());
  add(schema::VersionRowStatements(schema::kCurrentVersionText));
  CopyCachedDatabase("schema-" + std::to_string(hash), path,
                     [](const std::string& made) { schema::CreateEmptyDatabase(made); });
}

// A database file without tables at path.
inline void MakeBareDatabase(const std::filesystem::path& path) {
  CopyCachedDatabase("bare", path, [](const std::string& made) {
    ibase::ibDatabase database;
    database.Create(made, "SYSDBA", "");
  });
}

// A bare database file (no tables), attached through its own ibDatabase.
class BareDatabaseTest : public ::testing::Test {
protected:
  void SetUp() override {
    m_path = (m_dir / "bare.fdb").string();
    MakeBareDatabase(m_path);
    m_database.Connect(m_path, "SYSDBA", "");
  }

  // Runs statements committed, each in its own transaction.
  void Run(const std::vector<std::wstring>& statements) { schema::RunEachCommitted(m_database, statements); }

  TempDir m_dir;
  std::string m_path;
  ibase::ibDatabase m_database;
};

// An empty database of the current schema as the program's one connection.
class SchemaDatabaseTest : public ::testing::Test {
protected:
  void SetUp() override {
    m_path = (m_dir / "corvane.fdb").string();
    MakeSchemaDatabase(m_path);
    ConnectDatabaseFile(m_path);
  }
  void TearDown() override { DisconnectDatabase(); }

  TempDir m_dir;
  std::string m_path;
};

}  // namespace corvane::test
