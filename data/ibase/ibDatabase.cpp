#include "data/ibase/ibDatabase.h"

#include <locale.h>

#include <cstdint>

#include "data/ibase/ibException.h"

namespace ibase {
namespace {

constexpr unsigned short kDatabaseDialect = kDialect3;
constexpr char kCharacterSet[] = "UNICODE_FSS";
constexpr int kPageSize = 8192;

void AppendItem(std::string& block, char item, const std::string& value) {
  // Each length is one byte: longer values cannot be expressed in this block.
  if (value.size() > 255) throw ibException("Parameter value is longer than 255 bytes.");
  block += item;
  block += static_cast<char>(value.size());
  block += value;
}

void AppendInteger(std::string& block, char item, uint32_t value) {
  block += item;
  block += static_cast<char>(4);
  for (int byte = 0; byte < 4; ++byte) block += static_cast<char>((value >> (8 * byte)) & 0xFF);
}

// The version byte and the login, when there is one.
void AppendLogin(std::string& block, const std::string& userName, const std::string& password) {
  if (!userName.empty() || !password.empty()) block += static_cast<char>(isc_dpb_version1);
  if (!userName.empty()) AppendItem(block, isc_dpb_user_name, userName);
  if (!password.empty()) AppendItem(block, isc_dpb_password, password);
}

// The character set, the dialect, and that the file name is UTF-8.
void AppendCharsetDialectAndUtf8Name(std::string& block) {
  AppendItem(block, isc_dpb_set_db_charset, kCharacterSet);
  block += static_cast<char>(isc_dpb_sql_dialect);
  block += static_cast<char>(1);
  block += static_cast<char>(kDatabaseDialect);
  block += static_cast<char>(isc_dpb_utf8_filename);
  block += static_cast<char>(0);
}

// A UTF-8 character type for the calling thread while the client handles a
// file name. The client converts file names between UTF-8 and the
// character set of the locale it first meets, once per process; under the
// plain C locale that set is ASCII, and every name with another letter
// fails ("Cannot transliterate character between character sets"). Our
// names are UTF-8 already (as the file system takes them), so the client
// must see UTF-8 as the system's set. Only this thread's locale changes,
// and only for the call.
class Utf8FileNames {
public:
  Utf8FileNames() {
    if (locale_t utf8 = Utf8Locale()) m_previous = uselocale(utf8);
  }
  ~Utf8FileNames() {
    if (m_previous) uselocale(m_previous);
  }
  Utf8FileNames(const Utf8FileNames&) = delete;
  Utf8FileNames& operator=(const Utf8FileNames&) = delete;

private:
  // Made once and kept for the process; none when the system has no UTF-8 locale.
  static locale_t Utf8Locale() {
    static const locale_t utf8 = [] {
      for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8", "en_US.utf8"})
        if (locale_t made = newlocale(LC_CTYPE_MASK, name, static_cast<locale_t>(0))) return made;
      return static_cast<locale_t>(0);
    }();
    return utf8;
  }

  locale_t m_previous = static_cast<locale_t>(0);
};

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
  AppendLogin(block, userName, password);
  AppendCharsetDialectAndUtf8Name(block);
  return block;
}

std::string ibDatabase::BuildCreateParameterBlock(const std::string& userName, const std::string& password) {
  std::string block;
  AppendLogin(block, userName, password);
  if (block.empty()) block += static_cast<char>(isc_dpb_version1);
  AppendInteger(block, isc_dpb_page_size, kPageSize);
  AppendCharsetDialectAndUtf8Name(block);
  return block;
}

void ibDatabase::Connect(const std::string& path, const std::string& userName, const std::string& password) {
  Disconnect();
  const std::string block = BuildParameterBlock(userName, password);
  try {
    const Utf8FileNames utf8;
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
  const std::string block = BuildCreateParameterBlock(userName, password);
  try {
    const Utf8FileNames utf8;
    CheckedCall({.operation = ibOperation::CreateDatabase, .parameterBlock = block, .dialect = kDatabaseDialect},
                [&](ISC_STATUS* status) {
                  return isc_create_database(status, 0, path.c_str(), &m_handle,
                                             static_cast<short>(block.size()), block.c_str(), 0);
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

void ibDatabase::ExecuteImmediate(const std::wstring& sql, unsigned short dialect) {
  const std::string text = WideToUtf8(sql);
  CheckedCall({.operation = ibOperation::ExecuteImmediate, .sql = sql, .dialect = dialect},
              [&](ISC_STATUS* status) {
                return isc_dsql_execute_immediate(status, &m_handle, m_current->GetHandle(), 0, text.c_str(),
                                                  dialect, nullptr);
              });
}

}  // namespace ibase
