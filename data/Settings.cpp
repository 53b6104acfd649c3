#include "data/Settings.h"

#include <charconv>
#include <climits>
#include <cwctype>
#include <locale>
#include <sstream>
#include <string>

#include "data/Connection.h"
#include "data/TransactionScope.h"
#include "platform/MessageBox.h"

namespace {

// Skips leading blanks and returns the position of the first other character.
size_t SkipBlanks(const std::wstring& text) {
  size_t pos = 0;
  while (pos < text.size() && std::iswspace(static_cast<wint_t>(text[pos]))) ++pos;
  return pos;
}

// _wtoi: blanks, an optional sign, the digits that follow; out of range clamps.
int ParseLeadingInt(const std::wstring& text) {
  size_t pos = SkipBlanks(text);
  bool negative = false;
  if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) negative = text[pos++] == L'-';
  long long value = 0;
  for (; pos < text.size() && text[pos] >= L'0' && text[pos] <= L'9'; ++pos) {
    value = value * 10 + (text[pos] - L'0');
    if (value > static_cast<long long>(INT_MAX) + 1) break;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

// _wtof in the C locale: the longest leading number, 0.0 when there is none.
double ParseLeadingDouble(const std::wstring& text) {
  size_t pos = SkipBlanks(text);
  std::string narrow;
  for (; pos < text.size() && text[pos] < 0x80; ++pos) narrow += static_cast<char>(text[pos]);
  const char* first = narrow.data();
  if (!narrow.empty() && narrow[0] == '+') ++first;
  double value = 0.0;
  const auto result = std::from_chars(first, narrow.data() + narrow.size(), value);
  return result.ec == std::errc() ? value : 0.0;
}

// A double as a wide stream writes it by default: six significant digits.
std::wstring DefaultDoubleText(double value) {
  std::wostringstream text;
  text.imbue(std::locale::classic());
  text << value;
  return text.str();
}

void ShowSettingsError(const Invoice::DbException& error) {
  platform::ShowMessageBox(error.GetText(), L"Corvane", platform::MB_OK | platform::MB_ICONERROR);
}

}  // namespace

namespace Invoice {

Settings::Settings(const SettingsRecord& record) {
  m_record = record;
}

Settings::Settings(const std::wstring& key, const std::wstring& defaultValue) {
  if (LoadStored(key)) return;
  m_record.settField = key;
  m_record.settValue = defaultValue;
  m_modified = true;
  // Beginning a unit of work would roll back one that is open, and with it
  // everything the caller wrote so far: write into the open one instead (a
  // concurrent first write of the key then fails the caller's unit).
  if (IsDbTransactionOpen()) {
    CreateUnlessStoredMeanwhile(key);
    return;
  }
  // A unit of its own, tried again while another user's first write of a
  // key gets in the way: the next try reads what that user stored.
  constexpr int kAttempts = 20;
  for (int attempt = 1;; ++attempt) {
    try {
      TransactionScope scope;
      CreateUnlessStoredMeanwhile(key);
      scope.Commit();
      return;
    } catch (const DbException& error) {
      if (error.GetText() != kConcurrentChangeText || attempt == kAttempts) throw;
    }
  }
}

bool Settings::LoadStored(const std::wstring& key) {
  DataAccess& data = DataAccess::Instance();
  const int id = data.FindSettingsId(key);
  if (id == 0) return false;
  data.LoadSettings(id, m_record);
  return true;
}

void Settings::CreateUnlessStoredMeanwhile(const std::wstring& key) {
  // Every first write of a key holds the lock of the "version" row (which
  // the version check makes before anything else), so users opening a new
  // database at once write each key once: whoever comes second waits, and
  // then finds the key or is refused and tries again. A file without a
  // "version" row has nothing to lock.
  DataAccess::Instance().LockSettingsRow(kDatabaseVersionKey);
  if (LoadStored(key)) {
    m_modified = false;
    return;
  }
  Save();
}

void Settings::Save() {
  if (!m_modified) return;
  // A key found by lookup has no header yet; stamping the OBJECTS row of its
  // own id keeps a save from adding an OBJECTS row each time.
  if (GetObjectId() == 0 && GetId() > 0) m_header.id.SetId(GetId());
  SaveHeader();
  DataAccess::Instance().SaveSettings(m_record, GetObjectId());
}

int Settings::GetIntValue() const {
  return ParseLeadingInt(m_record.settValue);
}

double Settings::GetDoubleValue() const {
  return ParseLeadingDouble(m_record.settValue);
}

void Settings::SetIntValue(int value) {
  SetValue(std::to_wstring(value));
}

}  // namespace Invoice

int ReadSettingInt(const std::wstring& key, int defaultValue) {
  return Invoice::Settings(key, std::to_wstring(defaultValue)).GetIntValue();
}

double ReadSettingDouble(const std::wstring& key, double defaultValue) {
  return Invoice::Settings(key, DefaultDoubleText(defaultValue)).GetDoubleValue();
}

int GetSettingInt(const std::wstring& key, int defaultValue) {
  try {
    return ReadSettingInt(key, defaultValue);
  } catch (const Invoice::DbException& error) {
    ShowSettingsError(error);
    return defaultValue;
  }
}

double GetSettingDouble(const std::wstring& key, double defaultValue) {
  try {
    return ReadSettingDouble(key, defaultValue);
  } catch (const Invoice::DbException& error) {
    ShowSettingsError(error);
    return defaultValue;
  }
}

void SetSettingInt(const std::wstring& key, int value) {
  Invoice::Settings setting(key, L"0");
  setting.SetIntValue(value);
  setting.Save();
}

int GetInputDefaultPriceGroup() {
  return GetSettingInt(kInputDefaultPriceGroupKey, 0);
}
int GetOutputDefaultPriceGroup() {
  return GetSettingInt(kOutputDefaultPriceGroupKey, 0);
}
int GetQuantityMethod() {
  return GetSettingInt(kQuantityMethodKey, 0);
}
int GetDefaultTemplate() {
  return GetSettingInt(kDefaultTemplateKey, 0);
}
int GetNextInvoiceNum() {
  return GetSettingInt(kNextInvoiceNumKey, 1);
}
int GetNextIncomeInvoiceNum() {
  return GetSettingInt(kNextIncomeInvoiceNumKey, 1);
}
int GetMyCompanyId() {
  return GetSettingInt(kMyCompanyIdKey, 0);
}

void SetInputDefaultPriceGroup(int id) {
  SetSettingInt(kInputDefaultPriceGroupKey, id);
}
void SetOutputDefaultPriceGroup(int id) {
  SetSettingInt(kOutputDefaultPriceGroupKey, id);
}
void SetQuantityMethod(int method) {
  SetSettingInt(kQuantityMethodKey, method);
}
void SetDefaultTemplate(int id) {
  SetSettingInt(kDefaultTemplateKey, id);
}
void SetNextInvoiceNum(int number) {
  SetSettingInt(kNextInvoiceNumKey, number);
}
void SetNextIncomeInvoiceNum(int number) {
  SetSettingInt(kNextIncomeInvoiceNumKey, number);
}
void SetMyCompanyId(int id) {
  SetSettingInt(kMyCompanyIdKey, id);
}

double GetDatabaseVersion() {
  return GetSettingDouble(kDatabaseVersionKey, 0.0);
}
