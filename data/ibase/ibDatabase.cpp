#include "data/ibase/ibDatabase.h"

#include "data/ibase/ibException.h"
#include "platform/TextCodec.h"

namespace ibase {
namespace {

// SQL dialect of statements run at once; readers prepare theirs as dialect 3.
constexpr unsigned short kImmediateDialect = 1;
constexpr unsigned short kDatabaseDialect = 3;
constexpr char kCharacterSet[] = "UNICODE_FSS";

void AppendItem(std::string& block, char item, const std::string& value) {
  // Each length is one byte: longer values cannot be expressed in this block.
  if (value.size() > 255) throw ibException("Parameter value is longer than 255 bytes.");
  block += item;
  block += static_cast<char>(value.size());
  block += value;
}

std::string QuoteLiteral(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    quoted += c;
    if (c == '\'') quoted += '\'';
  }
  return quoted + "'";
}

}  // namespace

ibDatabase::ibDatabase() : m_current(&m_transaction) {
  m_transaction.AddDatabase(this);
}

ibDatabase::~ibDatabase() {
  // Detaching with a running transaction is refused, and a destructor must not
  // throw: end the transaction first and drop any failure.
  m_transaction.Rollback();
  try {
    Disconnect();
  } catch (const ibException&) {
  }
}

std::string ibDatabase::BuildParameterBlock(const std::string& userName, const std::string& password) {
  std::string block;
  if (!userName.empty() || !password.empty()) block += static_cast<char>(isc_dpb_version1);
  if (!userName.empty()) AppendItem(block, isc_dpb_user_name, userName);
  if (!password.empty()) AppendItem(block, isc_dpb_password, password);
  AppendItem(block, isc_dpb_set_db_charset, kCharacterSet);
  block += static_cast<char>(isc_dpb_sql_dialect);
  block += static_cast<char>(1);
  block += static_cast<char>(kDatabaseDialect);
  return block;
}

void ibDatabase::Connect(const std::string& path, const std::string& userName, const std::string& password) {
  Disconnect();
  const std::string block = BuildParameterBlock(userName, password);
  try {
    CheckedCall({.operation = ibOperation::Attach, .parameterBlock = block}, [&](ISC_STATUS* status) {
      return isc_attach_database(status, 0, path.c_str(), &m_handle, static_cast<short>(block.size()),
                                 block.c_str());
    });
  } catch (...) {
    m_handle = 0;
    throw;
  }
}

void ibDatabase::Create(const std::string& path, const std::string& userName, const std::string& password) {
  Disconnect();
  std::string text = "CREATE DATABASE " + QuoteLiteral(path);
  if (!userName.empty()) text += " USER " + QuoteLiteral(userName);
  if (!password.empty()) text += " PASSWORD " + QuoteLiteral(password);
  text += " PAGE_SIZE 8192 DEFAULT CHARACTER SET UNICODE_FSS";
  const std::wstring sql = platform::FromUtf8(text);
  isc_tr_handle noTransaction = 0;
  try {
    CheckedCall({.operation = ibOperation::CreateDatabase, .sql = sql, .dialect = kDatabaseDialect},
                [&](ISC_STATUS* status) {
                  return isc_dsql_execute_immediate(status, &m_handle, &noTransaction, 0, text.c_str(),
                                                    kDatabaseDialect, nullptr);
                });
  } catch (...) {
    m_handle = 0;
    throw;
  }
}

void ibDatabase::Disconnect() {
  if (m_handle == 0) return;
  CheckedCall({.operation = ibOperation::Detach},
              [&](ISC_STATUS* status) { return isc_detach_database(status, &m_handle); });
  m_handle = 0;
}

void ibDatabase::ExecuteImmediate(const std::wstring& sql) {
  const std::string text = WideToUtf8(sql);
  CheckedCall({.operation = ibOperation::ExecuteImmediate, .sql = sql, .dialect = kImmediateDialect},
              [&](ISC_STATUS* status) {
                return isc_dsql_execute_immediate(status, &m_handle, m_current->GetHandle(), 0, text.c_str(),
                                                  kImmediateDialect, nullptr);
              });
}

}  // namespace ibase
