#include "common/TemplateFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <functional>
#include <limits>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "Locales.h"
#include "TestEnvironment.h"
#include "common/Crc16.h"
#include "platform/OleDateTime.h"
#include "platform/TextCodec.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Builds file bytes by hand, independently of the writer.
class FileBuilder {
public:
  FileBuilder() {
    m_bytes.resize(6, 0);
    const char* signature = "Corvane Designer Template file";
    for (const char* c = signature; *c; ++c) {
      m_bytes.push_back(static_cast<uint8_t>(*c));
      m_bytes.push_back(0);
    }
    m_bytes.resize(106, 0);
  }

  FileBuilder& I32(int32_t v) { return U32(static_cast<uint32_t>(v)); }
  FileBuilder& U32(uint32_t v) {
    for (int i = 0; i < 4; ++i) m_bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
    return *this;
  }
  FileBuilder& Raw(const Bytes& bytes) {
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    return *this;
  }
  FileBuilder& Property(int32_t id, uint32_t type, const Bytes& bytes) {
    return I32(id).U32(type).U32(static_cast<uint32_t>(bytes.size())).Raw(bytes);
  }

  // Fills in the length and the checksum, as a writer would.
  Bytes Sealed() const;

private:
  Bytes m_bytes;
};

Bytes Utf16(const std::wstring& text) {
  Bytes bytes;
  for (wchar_t c : text) {
    bytes.push_back(static_cast<uint8_t>(c));
    bytes.push_back(static_cast<uint8_t>(c >> 8));
  }
  bytes.push_back(0);
  bytes.push_back(0);
  return bytes;
}

// Fills in the length and the checksum of bytes that hold a header.
Bytes Seal(const Bytes& unsealed) {
  Bytes bytes = unsealed;
  const uint32_t length = static_cast<uint32_t>(bytes.size() - 2);
  for (int i = 0; i < 4; ++i) bytes[2 + i] = static_cast<uint8_t>(length >> (8 * i));
  const uint16_t crc = ComputeCrc16(bytes.data() + 2, bytes.size() - 2);
  bytes[0] = static_cast<uint8_t>(crc);
  bytes[1] = static_cast<uint8_t>(crc >> 8);
  return bytes;
}

Bytes FileBuilder::Sealed() const {
  return Seal(m_bytes);
}

TemplateItem SmallBox() {
  TemplateItem box(TemplateItemType::Box);
  box.SetProperty(template_props::kPenWidth, Value(0.5));
  box.SetProperty(template_props::kTitle, Value(L"Ab"));
  box.SetProperty(template_props::kTransparent, Value::Boolean(true));
  box.SetProperty(template_props::kGroup, Value(int32_t{7}));
  return box;
}

void ExpectInvalidStructure(const Bytes& bytes, const std::string& what) {
  TemplateFile file;
  try {
    file.FromBytes(bytes.data(), bytes.size());
    ADD_FAILURE() << what << ": accepted";
  } catch (const TemplateFileError& e) {
    EXPECT_EQ(L"Invalid file structure", e.GetMessage()) << what;
    EXPECT_TRUE(e.IsInvalidStructure()) << what;
    EXPECT_STREQ("Invalid file structure", e.what()) << what;
  }
}

TEST(TemplateFileTest, EmptyTemplateIsTheBare110ByteHeader) {
  const Bytes bytes = TemplateFile().ToBytes();
  ASSERT_EQ(110u, bytes.size());
  EXPECT_EQ(FileBuilder().I32(0).Sealed(), bytes);
  // Hand-checked: CRC-16/MODBUS of bytes 2..109 is 0xD0C2, the length 108.
  EXPECT_EQ((Bytes{0xC2, 0xD0, 108, 0, 0, 0}), Bytes(bytes.begin(), bytes.begin() + 6));
}

TEST(TemplateFileTest, WritesASmallTemplateByteExactly) {
  TemplateFile file;
  file.AddItem(SmallBox());
  const Bytes bytes = file.ToBytes();
  ASSERT_EQ(185u, bytes.size());

  // checksum 0xFB60 (computed independently, bit by bit) and length 183
  EXPECT_EQ((Bytes{0x60, 0xFB, 0xB7, 0, 0, 0}), Bytes(bytes.begin(), bytes.begin() + 6));
  // the signature: "Corvane Designer Template file" in UTF-16LE, a NUL, zeros up to 100 bytes
  const Bytes signature(bytes.begin() + 6, bytes.begin() + 106);
  EXPECT_EQ('C', signature[0]);
  EXPECT_EQ(0, signature[1]);
  EXPECT_EQ('e', signature[58]);
  for (size_t i = 60; i < 100; ++i) EXPECT_EQ(0, signature[i]) << i;
  // count 1, then the box with its properties in ascending id
  const Bytes items(bytes.begin() + 106, bytes.end());
  const Bytes expected = {1,    0,   0, 0,                                                // item count
                          4,    0,   0, 0, 4, 0, 0, 0,                                    // box, 4 properties
                          2,    0,   0, 0, 0, 0, 0, 0, 6, 0, 0, 0, 'A', 0, 'b', 0, 0, 0,  // 2 title "Ab"
                          4,    0,   0, 0, 1, 0, 0, 0, 4, 0, 0, 0, 7,   0, 0,   0,        // 4 group 7
                          13,   0,   0, 0, 4, 0, 0, 0, 1, 0, 0, 0, 1,                     // 13 transparent
                          16,   0,   0, 0, 2, 0, 0, 0, 8, 0, 0, 0, 0,   0, 0,   0, 0, 0,  // 16 pen width 0.5
                          0xE0, 0x3F};
  EXPECT_EQ(expected, items);
  EXPECT_EQ(FileBuilder()
                .I32(1)
                .I32(4)
                .I32(4)
                .Property(2, 0, Utf16(L"Ab"))
                .Property(4, 1, {7, 0, 0, 0})
                .Property(13, 4, {1})
                .Property(16, 2, {0, 0, 0, 0, 0, 0, 0xE0, 0x3F})
                .Sealed(),
            bytes);
}

TEST(TemplateFileTest, EveryValueTypeRoundTrips) {
  TemplateItem item(TemplateItemType::Label);
  const std::vector<Value> values = {
      Value(L""),
      Value(L"Invoice: \u0416\u00e9 \U0001F600"),
      Value(int32_t{0}),
      Value(std::numeric_limits<int32_t>::min()),
      Value(std::numeric_limits<int32_t>::max()),
      Value(-0.0),
      Value(0.1),
      Value(1e300),
      Value(std::numeric_limits<double>::quiet_NaN()),
      Value(platform::OleDateTime(2024, 2, 29, 13, 45, 10)),
      Value::Boolean(true),
      Value::Boolean(false),
      Value(),
      Value::FromRaw(static_cast<ValueType>(9), reinterpret_cast<const uint8_t*>("xyz"), 3),
  };
  for (size_t i = 0; i < values.size(); ++i) item.SetProperty(static_cast<int32_t>(i + 1), values[i]);
  TemplateFile file;
  file.AddItem(item);
  file.AddItem(TemplateItem(TemplateItemType::Line));

  const Bytes bytes = file.ToBytes();
  TemplateFile read;
  read.FromBytes(bytes.data(), bytes.size());
  ASSERT_EQ(2u, read.GetCount());
  EXPECT_EQ(file, read);
  for (size_t i = 0; i < values.size(); ++i) {
    const Value v = read.GetItem(0).GetProperty(static_cast<int32_t>(i + 1));
    EXPECT_EQ(values[i].GetType(), v.GetType()) << i;
    ASSERT_EQ(values[i].GetSize(), v.GetSize()) << i;
    if (v.GetSize()) {
      EXPECT_EQ(0, std::memcmp(values[i].GetBuffer(), v.GetBuffer(), v.GetSize())) << i;
    }
  }
  EXPECT_EQ(L"Invoice: \u0416\u00e9 \U0001F600", read.GetItem(0).GetProperty(2).AsString());
  EXPECT_EQ(std::numeric_limits<int32_t>::min(), read.GetItem(0).GetProperty(4).AsInt());
  EXPECT_TRUE(std::isnan(read.GetItem(0).GetProperty(9).AsDouble()));
  EXPECT_TRUE(read.GetItem(0).GetProperty(11).AsBool());
  EXPECT_EQ(bytes, read.ToBytes());
}

TEST(TemplateFileTest, EmptyTextIsStoredAsItsNulAlone) {
  TemplateItem item(TemplateItemType::Label);
  item.SetProperty(template_props::kTitle, Value(L""));
  TemplateFile file;
  file.AddItem(item);
  const Bytes bytes = file.ToBytes();
  EXPECT_EQ(FileBuilder().I32(1).I32(1).I32(1).Property(2, 0, {0, 0}).Sealed(), bytes);
}

struct MalformedCase {
  const char* name;
  std::function<Bytes()> make;
};

Bytes ValidFile() {
  TemplateFile file;
  file.AddItem(SmallBox());
  return file.ToBytes();
}

Bytes WithLength(uint32_t length) {
  Bytes bytes = ValidFile();
  for (int i = 0; i < 4; ++i) bytes[2 + i] = static_cast<uint8_t>(length >> (8 * i));
  return bytes;
}

Bytes Flipped(size_t offset) {
  Bytes bytes = ValidFile();
  bytes[offset] ^= 0x01;
  return bytes;
}

Bytes OneProperty(uint32_t type, const Bytes& value) {
  return FileBuilder().I32(1).I32(1).I32(1).Property(2, type, value).Sealed();
}

const std::vector<MalformedCase>& MalformedCases() {
  static const std::vector<MalformedCase> cases = {
      {"empty file", [] { return Bytes{}; }},
      {"one byte", [] { return Bytes{0xFF}; }},
      {"two bytes",
       [] {
         return Bytes{0xFF, 0xFF};
       }},
      {"three bytes",
       [] {
         return Bytes{0x01, 0x02, 0x03};
       }},
      {"header cut short, sealed", [] { return Seal(Bytes(109, 0)); }},
      {"stored length one less", [] { return WithLength(182); }},
      {"stored length one more", [] { return WithLength(184); }},
      {"stored length huge", [] { return WithLength(0xFFFFFFFF); }},
      {"flipped byte in the length", [] { return Flipped(2); }},
      {"flipped byte in the signature", [] { return Flipped(20); }},
      {"flipped byte in the count", [] { return Flipped(106); }},
      {"flipped last byte", [] { return Flipped(184); }},
      {"flipped checksum", [] { return Flipped(0); }},
      {"item count past the items", [] { return FileBuilder().I32(2).I32(4).I32(0).Sealed(); }},
      {"item count huge", [] { return FileBuilder().I32(0x7FFFFFFF).Sealed(); }},
      {"item head cut short", [] { return FileBuilder().I32(1).I32(4).Sealed(); }},
      {"property count past the properties",
       [] {
         return FileBuilder().I32(1).I32(4).I32(2).Property(4, 1, {1, 0, 0, 0}).Sealed();
       }},
      {"property count huge", [] { return FileBuilder().I32(1).I32(4).I32(0x7FFFFFFF).Sealed(); }},
      {"property head cut short", [] { return FileBuilder().I32(1).I32(4).I32(1).I32(4).I32(1).Sealed(); }},
      {"byte length past the end",
       [] {
         return FileBuilder().I32(1).I32(4).I32(1).I32(4).U32(1).U32(5).Raw({1, 0, 0, 0}).Sealed();
       }},
      {"byte length negative",
       [] { return FileBuilder().I32(1).I32(4).I32(1).I32(4).U32(1).U32(0xFFFFFFFF).Sealed(); }},
      {"integer of 3 bytes",
       [] {
         return OneProperty(VT_INTEGER, {1, 2, 3});
       }},
      {"integer of 8 bytes",
       [] {
         return OneProperty(VT_INTEGER, {1, 2, 3, 4, 5, 6, 7, 8});
       }},
      {"double of 4 bytes",
       [] {
         return OneProperty(VT_DOUBLE, {1, 2, 3, 4});
       }},
      {"date of 7 bytes",
       [] {
         return OneProperty(VT_DATE, {1, 2, 3, 4, 5, 6, 7});
       }},
      {"boolean of no bytes", [] { return OneProperty(VT_BOOLEAN, {}); }},
      {"boolean of 2 bytes",
       [] {
         return OneProperty(VT_BOOLEAN, {1, 0});
       }},
      {"text of no bytes", [] { return OneProperty(VT_TEXT, {}); }},
      {"text of an odd length",
       [] {
         return OneProperty(VT_TEXT, {'A', 0, 0});
       }},
      {"text without its NUL",
       [] {
         return OneProperty(VT_TEXT, {'A', 0, 'B', 0});
       }},
      {"text ending in half a NUL",
       [] {
         return OneProperty(VT_TEXT, {'A', 0, 0, 'B'});
       }},
      {"empty value with bytes",
       [] {
         return OneProperty(VT_EMPTY, {1, 2});
       }},
      {"bytes after the last item", [] { return FileBuilder().I32(1).I32(4).I32(0).Raw({0}).Sealed(); }},
      {"bytes after no items",
       [] {
         return FileBuilder().I32(0).Raw({0, 0, 0, 0}).Sealed();
       }},
  };
  return cases;
}

TEST(TemplateFileTest, MalformedFilesGiveInvalidFileStructure) {
  for (const MalformedCase& c : MalformedCases()) ExpectInvalidStructure(c.make(), c.name);
}

TEST(TemplateFileTest, AFailedReadLeavesTheListAsItWas) {
  TemplateFile file;
  file.AddItem(SmallBox());
  file.AddItem(TemplateItem(TemplateItemType::Picture));
  for (const MalformedCase& c : MalformedCases()) {
    const Bytes bytes = c.make();
    EXPECT_THROW(file.FromBytes(bytes.data(), bytes.size()), TemplateFileError) << c.name;
    EXPECT_EQ(2u, file.GetCount()) << c.name;
  }
}

TEST(TemplateFileTest, AnySignatureIsAccepted) {
  Bytes bytes = ValidFile();
  const char* other = "Another program's file";
  std::memset(bytes.data() + 6, 0xAB, 100);
  std::memcpy(bytes.data() + 6, other, std::strlen(other));
  bytes = Seal(bytes);
  TemplateFile file;
  file.FromBytes(bytes.data(), bytes.size());
  ASSERT_EQ(1u, file.GetCount());
  EXPECT_EQ(SmallBox(), file.GetItem(0));
}

TEST(TemplateFileTest, NegativeCountsReadNothing) {
  TemplateFile file;
  file.AddItem(SmallBox());
  Bytes bytes = FileBuilder().I32(-1).Sealed();
  file.FromBytes(bytes.data(), bytes.size());
  EXPECT_EQ(0u, file.GetCount());

  bytes = FileBuilder().I32(1).I32(3).I32(-5).Sealed();
  file.FromBytes(bytes.data(), bytes.size());
  ASSERT_EQ(1u, file.GetCount());
  EXPECT_EQ(3, file.GetItem(0).GetType());
  EXPECT_EQ(0u, file.GetItem(0).GetPropertyCount());
}

TEST(TemplateFileTest, RepeatedIdKeepsTheLaterOrTheFirstValue) {
  const Bytes bytes = FileBuilder()
                          .I32(1)
                          .I32(1)
                          .I32(2)
                          .Property(2, 0, Utf16(L"first"))
                          .Property(2, 0, Utf16(L"second"))
                          .Sealed();
  TemplateFile designer;
  designer.FromBytes(bytes.data(), bytes.size());
  EXPECT_EQ(L"second", designer.GetItem(0).GetProperty(2).AsString());
  TemplateFile preview;
  preview.FromBytes(bytes.data(), bytes.size(), TemplateFile::RepeatedId::KeepFirst);
  EXPECT_EQ(L"first", preview.GetItem(0).GetProperty(2).AsString());
}

TEST(TemplateFileTest, GetItemPastTheEndThrows) {
  TemplateFile file;
  file.AddItem(SmallBox());
  EXPECT_EQ(SmallBox(), file.GetItem(0));
  EXPECT_THROW(file.GetItem(1), std::out_of_range);
}

TEST(TemplateFileTest, SavesAndLoadsFiles) {
  corvane::test::TempDir dir;
  const auto path = dir / "invoice.zlt";
  TemplateFile file;
  file.AddItem(SmallBox());
  file.Save(path);
  file.AddItem(TemplateItem(TemplateItemType::Line));
  file.Save(path);  // replaces the earlier file

  TemplateFile read;
  read.Load(path);
  EXPECT_EQ(file, read);
  EXPECT_EQ(file.ToBytes().size(), std::filesystem::file_size(path));
  // nothing is left beside the file
  EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(dir.Path()),
                             std::filesystem::directory_iterator()));
}

TEST(TemplateFileTest, SavingThroughALinkReplacesTheLinkedFileWithItsPermissions) {
  corvane::test::TempDir dir;
  const auto real = dir / "real.zlt";
  const auto link = dir / "link.zlt";
  TemplateFile().Save(real);
  std::filesystem::permissions(real,
                               std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  std::filesystem::create_symlink(real, link);

  TemplateFile file;
  file.AddItem(SmallBox());
  file.Save(link);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  TemplateFile read;
  read.Load(real);
  EXPECT_EQ(file, read);
  EXPECT_EQ(std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
            std::filesystem::status(real).permissions());
}

TEST(TemplateFileTest, FilesThatCannotBeOpenedNameTheFile) {
  corvane::test::TempDir dir;
  TemplateFile file;
  try {
    file.Load(dir / "missing.zlt");
    FAIL() << "loaded a missing file";
  } catch (const TemplateFileError& e) {
    EXPECT_FALSE(e.IsInvalidStructure());
    EXPECT_NE(std::wstring::npos, e.GetMessage().find(L"missing.zlt"));
  }
  EXPECT_THROW(file.Save(dir / "no folder" / "new.zlt"), TemplateFileError);
  EXPECT_FALSE(std::filesystem::exists(dir / "no folder"));
}

// Non-ASCII names are saved, loaded and named in messages alike, whatever
// the locale.
TEST(TemplateFileTest, FilesWithNonAsciiNamesWorkUnderEveryLocale) {
  corvane::test::TempDir dir;
  const std::wstring folder = platform::WideFromPath(dir.Path());
  corvane::test::UnderEachLocale([&] {
    TemplateFile file;
    file.AddItem(SmallBox());
    ASSERT_NO_THROW(file.Save(platform::PathFromWide(folder + L"/Rechnung-M\u00fcller.zlt")));
    EXPECT_TRUE(std::filesystem::exists(dir / "Rechnung-M\xc3\xbcller.zlt"));
    TemplateFile read;
    read.Load(dir / "Rechnung-M\xc3\xbcller.zlt");
    EXPECT_EQ(file, read);
    try {
      read.Load(dir / "M\xc3\xbcller-missing.zlt");
      ADD_FAILURE() << "loaded a missing file";
    } catch (const TemplateFileError& e) {
      EXPECT_NE(std::wstring::npos, e.GetMessage().find(L"M\u00fcller-missing.zlt")) << e.what();
    }
    try {
      file.Save(dir / "M\xc3\xbcller folder" / "new.zlt");
      ADD_FAILURE() << "saved into a missing folder";
    } catch (const TemplateFileError& e) {
      EXPECT_NE(std::wstring::npos, e.GetMessage().find(L"M\u00fcller folder")) << e.what();
    }
  });
}

TEST(TemplateFileTest, ReadsAndWritesStreams) {
  TemplateFile file;
  file.AddItem(SmallBox());
  std::stringstream stream(std::ios::in | std::ios::out | std::ios::binary);
  file.Write(stream);
  stream.seekg(0);
  TemplateFile read;
  read.Read(stream);
  EXPECT_EQ(file, read);

  std::istringstream bad(std::string(200, '\0'));
  EXPECT_THROW(read.Read(bad), TemplateFileError);
  EXPECT_EQ(file, read);
}

// A stream that cannot seek, such as a pipe.
class ForwardOnlyBuffer : public std::streambuf {
public:
  explicit ForwardOnlyBuffer(Bytes bytes) : m_bytes(std::move(bytes)) {
    char* begin = reinterpret_cast<char*>(m_bytes.data());
    setg(begin, begin, begin + m_bytes.size());
  }

private:
  Bytes m_bytes;
};

TEST(TemplateFileTest, ReadsStreamsThatCannotSeek) {
  ForwardOnlyBuffer buffer(ValidFile());
  std::istream in(&buffer);
  TemplateFile file;
  file.Read(in);
  ASSERT_EQ(1u, file.GetCount());
  EXPECT_EQ(SmallBox(), file.GetItem(0));

  ForwardOnlyBuffer shortBuffer(Bytes{1, 2, 3});
  std::istream shortIn(&shortBuffer);
  EXPECT_THROW(file.Read(shortIn), TemplateFileError);
}

}  // namespace
