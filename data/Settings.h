#pragma once

// Business options kept in the database table SETTINGS: one row per key, the
// value always stored as text. Reading a key that is not stored creates it
// with the reader's default, so every key the program asked for exists
// afterwards.

#include <memory>
#include <string>

#include "data/DataAccess.h"
#include "data/objects/RecordObject.h"

namespace Invoice {

class Settings : public RecordObject<Settings, SettingsRecord, &DataAccess::LoadSettings,
                                     &DataAccess::SaveSettings, nullptr> {
public:
  // A setting as a list or a copy holds it; the header stays empty until saved.
  explicit Settings(const SettingsRecord& record);
  // Looks the key up. A stored key is loaded unmodified. A missing key takes
  // the default text and is written at once: inside the application
  // transaction when one is open (so the caller's unit of work is kept),
  // else in a unit of work of its own that is committed. Several users
  // reading a missing key at once store it once: the first write of a key
  // is serialised through a row lock, and whoever comes second reads the
  // stored row instead (inside an open unit of work, that unit is refused
  // with kConcurrentChangeText).
  // Throws Invoice::DbException.
  Settings(const std::wstring& key, const std::wstring& defaultValue);

  // When modified: the OBJECTS row (stamped, never duplicated for a stored
  // key), then the SETTINGS row.
  void Save() override;
  bool IsStored() const override { return GetId() != 0; }

  const std::wstring& GetKey() const { return m_record.settField; }
  std::wstring GetValue() const { return m_record.settValue; }
  // The text read as a number the way the C runtime's _wtoi / _wtof read it:
  // leading blanks and sign, then as many digits as there are; none gives 0.
  int GetIntValue() const;
  double GetDoubleValue() const;

  void SetValue(const std::wstring& value) { Set(m_record.settValue, value); }
  void SetIntValue(int value);

private:
  // Loads the key's stored row; false when there is none.
  bool LoadStored(const std::wstring& key);
  // Under the lock that serialises first writes of keys: loads the key when
  // another user stored it meanwhile, else writes it.
  void CreateUnlessStoredMeanwhile(const std::wstring& key);
};

}  // namespace Invoice

// Typed reads. A missing key is created with the default. A failure is shown
// in a message box (caption "Corvane", error icon) and gives the default.
int GetSettingInt(const std::wstring& key, int defaultValue);
double GetSettingDouble(const std::wstring& key, double defaultValue);
// The same reads for callers that handle failures themselves: they throw
// Invoice::DbException and show nothing.
int ReadSettingInt(const std::wstring& key, int defaultValue);
double ReadSettingDouble(const std::wstring& key, double defaultValue);

// Writes the decimal text of value under key, creating the row when needed.
// Opens no transaction of its own: the caller's TransactionScope holds the
// write. Throws Invoice::DbException.
void SetSettingInt(const std::wstring& key, int value);

// The known keys.
inline constexpr wchar_t kInputDefaultPriceGroupKey[] = L"INPUT_DEFAULT_PRICE_GROUP";
inline constexpr wchar_t kOutputDefaultPriceGroupKey[] = L"OUTPUT_DEFAULT_PRICE_GROUP";
inline constexpr wchar_t kQuantityMethodKey[] = L"QUANTITY_METHOD";
inline constexpr wchar_t kDefaultTemplateKey[] = L"DEF_TEMPLATE";
inline constexpr wchar_t kNextInvoiceNumKey[] = L"INVOICE_NUM";
inline constexpr wchar_t kNextIncomeInvoiceNumKey[] = L"INCOME_INVOICE_NUM";
inline constexpr wchar_t kMyCompanyIdKey[] = L"MY_COMPANY_ID";
inline constexpr wchar_t kDatabaseVersionKey[] = L"version";

int GetInputDefaultPriceGroup();   // id of the default income price list, 0 = none
int GetOutputDefaultPriceGroup();  // id of the default outcome price list, 0 = none
int GetQuantityMethod();           // 0 pieces, 1 the item's measurement
int GetDefaultTemplate();          // 0 = none
int GetNextInvoiceNum();           // default 1
int GetNextIncomeInvoiceNum();     // default 1
int GetMyCompanyId();              // 0 = none
void SetInputDefaultPriceGroup(int id);
void SetOutputDefaultPriceGroup(int id);
void SetQuantityMethod(int method);
void SetDefaultTemplate(int id);
void SetNextInvoiceNum(int number);
void SetNextIncomeInvoiceNum(int number);
void SetMyCompanyId(int id);

// The stored schema version ("version" as a number); a missing row is created
// as "0" and reads 0.0. Failures are shown and read 0.0, as GetSettingDouble.
double GetDatabaseVersion();
