#pragma once

#include <cstdint>
#include <ctime>
#include <string>

#include "data/ibase/ibError.h"

namespace ibase {

class ibReader;

// Typed access to the current row of a reader (columns count from 0). A NULL
// value, or a column of another type than the getter reads, gives 0, 0.0, an
// all-zero struct tm or an empty text; there is no widening between integer
// types. A column number outside the row throws ibException.
class ibData : public ibError {
public:
  explicit ibData(ibReader* reader);
  ~ibData() override;

  bool IsNull(int column) const;
  int32_t GetLong(int column) const;         // SQL_LONG; the scale is not applied
  int16_t GetShort(int column) const;        // SQL_SHORT
  double GetDouble(int column) const;        // SQL_DOUBLE, SQL_FLOAT widened
  tm GetTimestamp(int column) const;         // SQL_TIMESTAMP, SQL_TYPE_DATE at 00:00:00
  std::wstring GetString(int column) const;  // SQL_VARYING, SQL_TEXT (blanks kept), from UTF-8

private:
  ibReader* m_reader;
};

}  // namespace ibase
