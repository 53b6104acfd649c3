#pragma once

// The decisions of the reference-data dialogs, without a window: for each
// kind of reference table its texts, the rows its list shows, and how one
// row is read, saved and deleted. Saves and deletes run in a unit of work of
// their own.

#include <cstdint>
#include <string>
#include <vector>

#include "common/ui/EditInputRules.h"
#include "shell/ui/ListRow.h"

// The tables; 2 is not used, and it or any other value shows and does nothing.
enum RefDataKind : int {
  kRefMeasurements = 0,
  kRefTaxes = 1,
  kRefDaysConditions = 3,
  kRefTemplates = 4,
  kRefPhoneCodes = 5,
};

struct RefDataColumn {
  std::wstring caption;
  int width = 0;
  int alignment = 0;  // 0 left, 1 right
};

struct RefDataListTexts {
  std::wstring caption;
  std::wstring listName;
  std::wstring label;
  RefDataColumn columns[2];
  std::wstring closeText;
};

struct RefDataEditTexts {
  std::wstring captionNew;
  std::wstring captionEdit;
  std::wstring firstLabel;
  std::wstring secondLabel;
  std::wstring okText;
  std::wstring cancelText;
};

// One row as the edit dialog holds it: the two texts, and the number behind
// the second text of a tax (percent) or a days condition (days).
struct RefDataFields {
  std::wstring first;
  std::wstring second;
  double percent = 0.0;
  int32_t days = 0;
};

class RefDataTable {
public:
  explicit RefDataTable(int kind) : m_kind(kind) {}

  int GetKind() const { return m_kind; }
  bool IsKnown() const;

  // Empty texts for an unknown kind.
  RefDataListTexts ListTexts() const;
  RefDataEditTexts EditTexts() const;
  // The input type of the second edit (CBaseEdit): decimal for taxes, whole
  // number for days conditions, free text for the others.
  uint32_t SecondInputType() const;
  // What the two edits may hold: texts as long as their columns, a tax's
  // percent within the amount limit, a days condition's days within its
  // whole-number column. Named by the edit dialog's labels.
  FieldLimits FirstLimits() const;
  FieldLimits SecondLimits() const;
  // Only templates browse for their file.
  bool BrowsesForFile() const { return m_kind == kRefTemplates; }

  // Appends one row per table row in the table's order: {id, first text,
  // second value (shortcut, percent, days, file name or code)}. Rows read
  // before a failure stay appended when Invoice::DbException leaves.
  void AppendRows(std::vector<ListRow>& rows) const;

  // The row of that id; id 0 gives the empty fields of a new row.
  RefDataFields Load(int32_t id) const;
  // Writes the fields into the row of that id (0: a new row) and saves it in
  // a unit of work; the row's id. Throws Invoice::DbException and then
  // nothing stays written.
  int32_t Save(int32_t id, const RefDataFields& fields) const;
  // Deletes the row in a unit of work; the table's in-use refusal throws
  // Invoice::DbException and nothing is deleted.
  void Delete(int32_t id) const;

  // The second text as the edit shows it: a tax's percent with two decimals
  // in the user's number format, a days condition's days as a whole number,
  // the others' text as it is.
  std::wstring FormatSecond(const RefDataFields& fields) const;
  // Takes the second text as typed; a tax's percent is read with the user's
  // separators, a days condition's days are the leading whole number (0
  // without one).
  void ReadSecond(const std::wstring& text, RefDataFields& fields) const;

private:
  int m_kind;
};
