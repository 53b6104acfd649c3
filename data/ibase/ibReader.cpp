#include "data/ibase/ibReader.h"

#include <cstdlib>
#include <utility>
#include <vector>

#include "data/ibase/ibAutoTransaction.h"
#include "data/ibase/ibDatabase.h"
#include "data/ibase/ibException.h"

namespace ibase {
namespace {

constexpr unsigned short kReaderDialect = 3;
constexpr ISC_STATUS kEndOfRows = 100;

XSQLDA* AllocateDescriptor(short columns) {
  auto* descriptor = static_cast<XSQLDA*>(std::calloc(1, XSQLDA_LENGTH(columns)));
  if (!descriptor) throw std::bad_alloc();
  descriptor->version = SQLDA_VERSION1;
  descriptor->sqln = columns;
  return descriptor;
}

size_t DataBufferSize(const XSQLVAR& column) {
  switch (column.sqltype & ~1) {
    case SQL_VARYING:
      return static_cast<size_t>(column.sqllen) + 2;
    case SQL_TEXT:
      return static_cast<size_t>(column.sqllen);
    case SQL_DOUBLE:
      return 8;
    case SQL_FLOAT:
      return 4;
    case SQL_LONG:
      return 4;
    case SQL_SHORT:
      return 2;
    case SQL_TIMESTAMP:
      return 8;
    case SQL_TYPE_DATE:
      return 8;
    default:
      return static_cast<size_t>(column.sqllen);
  }
}

}  // namespace

ibReader::ibReader(ibDatabase* database) : m_database(database) {}

ibReader::~ibReader() {
  m_transaction.reset();  // rolls an owned transaction back; never throws
  Close();
}

int ibReader::GetColumnCount() const {
  return m_descriptor ? m_descriptor->sqld : 0;
}

void ibReader::Open(const std::wstring& sql) {
  Close();
  const std::string text = WideToUtf8(sql);
  ibTransaction* transaction = m_database->GetTransaction();
  if (!transaction->IsActive()) m_transaction = std::make_unique<ibAutoTransaction>(transaction);

  auto fail = [this] {
    const std::string message = GetErrorMessage();
    std::vector<long> codes = GetErrorCodes();
    Close();
    throw ibException(message, std::move(codes));
  };
  m_descriptor = AllocateDescriptor(1);

  Call({.operation = ibOperation::AllocateStatement}, [&](ISC_STATUS* status) {
    return isc_dsql_allocate_statement(status, m_database->GetHandle(), &m_statement);
  });
  if (HasError()) fail();

  Call({.operation = ibOperation::Prepare, .sql = sql, .dialect = kReaderDialect}, [&](ISC_STATUS* status) {
    return isc_dsql_prepare(status, transaction->GetHandle(), &m_statement, 0, text.c_str(), kReaderDialect,
                            m_descriptor);
  });
  if (HasError()) fail();

  if (m_descriptor->sqld > m_descriptor->sqln) {
    const short columns = m_descriptor->sqld;
    FreeDescriptor();
    m_descriptor = AllocateDescriptor(columns);
    Call({.operation = ibOperation::Describe},
         [&](ISC_STATUS* status) { return isc_dsql_describe(status, &m_statement, 3, m_descriptor); });
    if (HasError()) fail();
  }

  for (short i = 0; i < m_descriptor->sqld; ++i) {
    XSQLVAR& column = m_descriptor->sqlvar[i];
    column.sqlind = nullptr;
    // One spare byte so that an empty column still gets a buffer of its own.
    column.sqldata = static_cast<ISC_SCHAR*>(std::calloc(1, DataBufferSize(column) + 1));
    if (column.sqltype & 1) column.sqlind = static_cast<ISC_SHORT*>(std::calloc(1, sizeof(ISC_SHORT)));
  }

  Call({.operation = ibOperation::Execute}, [&](ISC_STATUS* status) {
    return isc_dsql_execute(status, transaction->GetHandle(), &m_statement, 3, nullptr);
  });
  if (HasError()) fail();
}

bool ibReader::Fetch() {
  const ISC_STATUS result = Call({.operation = ibOperation::Fetch}, [&](ISC_STATUS* status) {
    return isc_dsql_fetch(status, &m_statement, 3, m_descriptor);
  });
  if (result == 0) return true;
  if (result == kEndOfRows) return false;
  ThrowError();
}

void ibReader::FreeDescriptor() {
  if (!m_descriptor) return;
  for (short i = 0; i < m_descriptor->sqld && i < m_descriptor->sqln; ++i) {
    std::free(m_descriptor->sqlvar[i].sqldata);
    std::free(m_descriptor->sqlvar[i].sqlind);
  }
  std::free(m_descriptor);
  m_descriptor = nullptr;
}

void ibReader::Close() {
  FreeDescriptor();
  if (m_statement != 0) {
    // A status vector of its own: a failure to free is not looked at.
    ISC_STATUS status[ISC_STATUS_LENGTH];
    CallClient(status, {.operation = ibOperation::FreeStatement},
               [&](ISC_STATUS* vector) { return isc_dsql_free_statement(vector, &m_statement, DSQL_drop); });
    m_statement = 0;
  }
}

}  // namespace ibase
