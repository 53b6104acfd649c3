#include "data/ibase/ibData.h"

#include <ibase.h>

#include <algorithm>
#include <cstring>

#include "data/ibase/ibException.h"
#include "data/ibase/ibReader.h"
#include "platform/TextCodec.h"

namespace ibase {
namespace {

// The column's description when it holds a value of the given type (any type
// when type is 0), else null.
const XSQLVAR* Value(const ibReader* reader, int column, int type) {
  const XSQLDA* descriptor = reader->GetDescriptor();
  if (!descriptor || column < 0 || column >= descriptor->sqld)
    throw ibException("Column " + std::to_string(column) + " is not in the row (" +
                      std::to_string(reader->GetColumnCount()) + " columns).");
  const XSQLVAR& var = descriptor->sqlvar[column];
  if (type != 0 && (var.sqltype & ~1) != type) return nullptr;
  if ((var.sqltype & 1) && var.sqlind && *var.sqlind == -1) return nullptr;
  return &var;
}

template <typename T>
T Read(const XSQLVAR& var) {
  T value;
  std::memcpy(&value, var.sqldata, sizeof value);
  return value;
}

// Largest size of one character in the client's character set ids.
size_t BytesPerCharacter(int characterSet) {
  switch (characterSet) {
    case 3:
      return 3;  // UNICODE_FSS
    case 4:
      return 4;  // UTF8
    default:
      return 1;
  }
}

tm GetZeroTime() {
  tm time;
  std::memset(&time, 0, sizeof time);
  return time;
}

}  // namespace

ibData::ibData(ibReader* reader) : m_reader(reader) {}

ibData::~ibData() = default;

bool ibData::IsNull(int column) const {
  return Value(m_reader, column, 0) == nullptr;
}

int32_t ibData::GetLong(int column) const {
  const XSQLVAR* var = Value(m_reader, column, SQL_LONG);
  return var ? Read<ISC_LONG>(*var) : 0;
}

int16_t ibData::GetShort(int column) const {
  const XSQLVAR* var = Value(m_reader, column, SQL_SHORT);
  return var ? Read<ISC_SHORT>(*var) : 0;
}

double ibData::GetDouble(int column) const {
  if (const XSQLVAR* var = Value(m_reader, column, SQL_DOUBLE)) return Read<double>(*var);
  if (const XSQLVAR* var = Value(m_reader, column, SQL_FLOAT)) return Read<float>(*var);
  return 0.0;
}

tm ibData::GetTimestamp(int column) const {
  tm time = GetZeroTime();
  ISC_TIMESTAMP stamp{};
  if (const XSQLVAR* var = Value(m_reader, column, SQL_TIMESTAMP)) {
    stamp = Read<ISC_TIMESTAMP>(*var);
  } else if (const XSQLVAR* var = Value(m_reader, column, SQL_TYPE_DATE)) {
    stamp.timestamp_date = Read<ISC_DATE>(*var);
    stamp.timestamp_time = 0;
  } else {
    return time;
  }
  isc_decode_timestamp(&stamp, &time);
  return time;
}

std::wstring ibData::GetString(int column) const {
  if (const XSQLVAR* var = Value(m_reader, column, SQL_VARYING)) {
    const auto length = std::min<size_t>(static_cast<unsigned short>(Read<ISC_SHORT>(*var)),
                                         static_cast<size_t>(var->sqllen));
    return platform::FromUtf8(std::string_view(var->sqldata + 2, length));
  }
  if (const XSQLVAR* var = Value(m_reader, column, SQL_TEXT)) {
    std::wstring text = platform::FromUtf8(std::string_view(var->sqldata, static_cast<size_t>(var->sqllen)));
    // A CHAR(n) of a multi-byte character set comes padded with blanks to its
    // byte size (n times the bytes per character); the value itself is n
    // characters, so the blanks beyond them are dropped.
    const size_t characters = static_cast<size_t>(var->sqllen) / BytesPerCharacter(var->sqlsubtype & 0xFF);
    while (text.size() > characters && text.back() == L' ') text.pop_back();
    return text;
  }
  return {};
}

}  // namespace ibase
