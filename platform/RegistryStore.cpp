#include "platform/RegistryStore.h"

#include "platform/TextCodec.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <ctime>
#include <utility>

// File layout, one record a line, fields separated by tabs:
//   CorvaneRegistry 1
//   [Software\Corvane\Settings]
//   sz<TAB>DatabaseFile<TAB>/home/user/invoices.gdb
//   dword<TAB>FS<TAB>1
//   binary<TAB>WinPos<TAB>2c000000...
// Names and texts are UTF-8 with '%', tabs, line breaks and other control
// characters written as %XX; numbers are decimal in the C locale, bytes
// lowercase hex. Every file ends with a line break, so a cut-off file shows.

namespace platform {
namespace {

constexpr std::string_view kHeader = "CorvaneRegistry 1";

struct DamagedFile {};

std::string Escape(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string escaped;
  escaped.reserve(bytes.size());
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b == '%' || b < 0x20 || b == 0x7F) {
      escaped += '%';
      escaped += kHex[b >> 4];
      escaped += kHex[b & 0xF];
    } else {
      escaped += c;
    }
  }
  return escaped;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  throw DamagedFile{};
}

std::wstring Unescape(std::string_view field) {
  std::string bytes;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '%') {
      bytes += field[i];
      continue;
    }
    if (i + 2 >= field.size()) throw DamagedFile{};
    bytes += static_cast<char>(HexDigit(field[i + 1]) * 16 + HexDigit(field[i + 2]));
    i += 2;
  }
  auto text = DecodeUtf8(bytes);
  if (!text) throw DamagedFile{};
  return *text;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  for (size_t tab; (tab = line.find('\t', start)) != std::string_view::npos; start = tab + 1)
    fields.push_back(line.substr(start, tab - start));
  fields.push_back(line.substr(start));
  return fields;
}

// Splits a key path on backslashes and drops empty parts, so "Software\\X\\"
// and "Software\\\\X" name the same key.
std::wstring NormaliseKey(std::wstring_view key) {
  std::wstring path;
  size_t start = 0;
  while (start <= key.size()) {
    size_t end = key.find(L'\\', start);
    if (end == std::wstring_view::npos) end = key.size();
    if (end > start) {
      if (!path.empty()) path += L'\\';
      path += key.substr(start, end - start);
    }
    start = end + 1;
  }
  return path;
}

std::string ToHex(const std::vector<uint8_t>& bytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string hex;
  for (const uint8_t b : bytes) {
    hex += kHex[b >> 4];
    hex += kHex[b & 0xF];
  }
  return hex;
}

std::vector<uint8_t> FromHex(std::string_view hex) {
  if (hex.size() % 2) throw DamagedFile{};
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i < hex.size(); i += 2)
    bytes.push_back(static_cast<uint8_t>(HexDigit(hex[i]) * 16 + HexDigit(hex[i + 1])));
  return bytes;
}

uint32_t ParseNumber(std::string_view text) {
  uint32_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) throw DamagedFile{};
  return number;
}

// An exclusive flock on the lock file, held for the object's lifetime.
class FileLock {
public:
  explicit FileLock(const std::filesystem::path& path) {
    m_fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0) return;
    int rc;
    do rc = ::flock(m_fd, LOCK_EX);
    while (rc != 0 && errno == EINTR);
    if (rc != 0) {
      ::close(m_fd);
      m_fd = -1;
    }
  }
  ~FileLock() {
    if (m_fd >= 0) ::close(m_fd);
  }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  bool IsHeld() const { return m_fd >= 0; }

private:
  int m_fd = -1;
};

bool WriteAll(int fd, const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

RegistryValue RegistryValue::String(std::wstring text) {
  RegistryValue value;
  value.type = REG_SZ;
  value.text = std::move(text);
  return value;
}

RegistryValue RegistryValue::Dword(uint32_t number) {
  RegistryValue value;
  value.type = REG_DWORD;
  value.number = number;
  return value;
}

RegistryValue RegistryValue::Binary(std::vector<uint8_t> bytes) {
  RegistryValue value;
  value.type = REG_BINARY;
  value.bytes = std::move(bytes);
  return value;
}

std::vector<uint8_t> RegistryValue::RawBytes() const {
  switch (type) {
    case REG_SZ: {
      std::vector<uint8_t> raw = ToUtf16Le(text);
      raw.push_back(0);
      raw.push_back(0);
      return raw;
    }
    case REG_DWORD:
      return {static_cast<uint8_t>(number), static_cast<uint8_t>(number >> 8),
              static_cast<uint8_t>(number >> 16), static_cast<uint8_t>(number >> 24)};
    default:
      return bytes;
  }
}

std::wstring RegistryStore::Fold(std::wstring_view text) {
  std::wstring folded(text);
  for (wchar_t& c : folded) {
    if ((c >= L'A' && c <= L'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ||
        (c >= 0x391 && c <= 0x3AB && c != 0x3A2) || (c >= 0x410 && c <= 0x42F))
      c += 0x20;  // ASCII, Latin-1, Greek, Cyrillic capitals
    else if (c >= 0x400 && c <= 0x40F)
      c += 0x50;
  }
  return folded;
}

RegistryStore::RegistryStore(std::filesystem::path file)
    : m_file(std::move(file)), m_lockFile(m_file.string() + ".lock") {}

std::filesystem::path RegistryStore::UserStorePath() {
  std::filesystem::path config;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') {
    config = xdg;
  } else {
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
      const passwd* user = ::getpwuid(::getuid());
      home = user && user->pw_dir ? user->pw_dir : "/tmp";
    }
    config = std::filesystem::path(home) / ".config";
  }
  return config / "Corvane" / "registry.txt";
}

RegistryStore& RegistryStore::User() {
  static RegistryStore store(UserStorePath());
  return store;
}

RegistryStore::Keys RegistryStore::Parse(std::string_view data, bool& damaged) {
  Keys keys;
  damaged = false;
  // A byte-order mark from an editor is no part of the header.
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  if (data.substr(0, kBom.size()) == kBom) data.remove_prefix(kBom.size());
  Key* current = nullptr;
  bool headerSeen = false;
  size_t start = 0;
  while (start < data.size()) {
    size_t end = data.find('\n', start);
    if (end == std::string_view::npos) end = data.size();  // no final line break: the line still counts
    std::string_view line = data.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);  // edited on another system
    if (!headerSeen && line == kHeader) {
      headerSeen = true;
      continue;
    }
    if (line.empty() || line[0] == '#') continue;
    // A line that cannot be read is left out, and the rest is read.
    try {
      if (line[0] == '[') {
        current = nullptr;  // the values of a key that cannot be read are left out with it
        if (line.size() < 2 || line.back() != ']') throw DamagedFile{};
        const std::wstring path = NormaliseKey(Unescape(line.substr(1, line.size() - 2)));
        current = &keys[Fold(path)];
        if (current->path.empty()) current->path = path;
        continue;
      }
      const auto fields = SplitTabs(line);
      if (!current || fields.size() != 3) throw DamagedFile{};
      Entry entry;
      entry.name = Unescape(fields[1]);
      if (fields[0] == "sz")
        entry.value = RegistryValue::String(Unescape(fields[2]));
      else if (fields[0] == "dword")
        entry.value = RegistryValue::Dword(ParseNumber(fields[2]));
      else if (fields[0] == "binary")
        entry.value = RegistryValue::Binary(FromHex(fields[2]));
      else
        throw DamagedFile{};
      current->values[Fold(entry.name)] = std::move(entry);
    } catch (const DamagedFile&) {
      damaged = true;
    }
  }
  if (!headerSeen && !data.empty()) damaged = true;
  return keys;
}

std::string RegistryStore::Serialize(const Keys& keys) {
  std::string data(kHeader);
  data += '\n';
  for (const auto& [folded, key] : keys) {
    data += '[' + Escape(ToUtf8(key.path)) + "]\n";
    for (const auto& [foldedName, entry] : key.values) {
      const RegistryValue& value = entry.value;
      const std::string name = Escape(ToUtf8(entry.name));
      if (value.type == REG_SZ)
        data += "sz\t" + name + '\t' + Escape(ToUtf8(value.text));
      else if (value.type == REG_DWORD)
        data += "dword\t" + name + '\t' + std::to_string(value.number);
      else
        data += "binary\t" + name + '\t' + ToHex(value.bytes);
      data += '\n';
    }
  }
  return data;
}

namespace {

// What tells one version of the file from the next: every write replaces the
// file by a new one, so the inode changes along with size and time.
template <typename FileStamp>
FileStamp MakeStamp(const struct stat& info) {
  return {true, static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino),
          static_cast<uint64_t>(info.st_size),
          int64_t(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

}  // namespace

RegistryStore::FileStamp RegistryStore::Stamp(const std::filesystem::path& file) {
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0) return {};
  return MakeStamp<FileStamp>(info);
}

RegistryStore::LoadResult RegistryStore::Load(Keys& keys, FileStamp& stamp) const {
  keys.clear();
  stamp = {};
  const int fd = ::open(m_file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? LoadResult::Missing : LoadResult::Unreadable;
  struct stat info {};
  std::string data;
  bool ok = ::fstat(fd, &info) == 0;
  if (ok) {
    stamp = MakeStamp<FileStamp>(info);
    char buffer[8192];
    for (;;) {
      const ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) ok = false;
      if (n <= 0) break;
      data.append(buffer, static_cast<size_t>(n));
    }
  }
  ::close(fd);
  if (!ok) return LoadResult::Unreadable;
  bool damaged = false;
  keys = Parse(data, damaged);
  return damaged ? LoadResult::Damaged : LoadResult::Loaded;
}

bool RegistryStore::Save(const Keys& keys) {
  const std::string data = Serialize(keys);
  const std::filesystem::path temp = m_file.string() + ".tmp" + std::to_string(::getpid());
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  const bool written = WriteAll(fd, data) && ::fsync(fd) == 0;
  if (::close(fd) != 0 || !written || ::rename(temp.c_str(), m_file.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  return true;
}

// Called with the file lock held: keeps a copy of the damaged file for a
// look later; what could be read of it stays in use.
void RegistryStore::SetAsideDamagedFile() {
  char stamp[32];
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  std::filesystem::path aside = m_file.string() + ".damaged-" + stamp;
  for (int n = 2; std::filesystem::exists(aside); ++n)
    aside = m_file.string() + ".damaged-" + stamp + "-" + std::to_string(n);
  std::error_code error;
  if (std::filesystem::copy_file(m_file, aside, error)) m_setAside.push_back(aside);
}

std::vector<std::filesystem::path> RegistryStore::TakeSetAsideCopies() {
  std::lock_guard guard(m_mutex);
  Refresh();
  return std::exchange(m_setAside, {});
}

// Called with the file lock held. A temp file lives only while its writer
// holds the lock, so any found now was left by a writer that was killed.
void RegistryStore::RemoveStaleTempFiles() const {
  const std::string prefix = m_file.filename().string() + ".tmp";
  std::error_code error;
  for (std::filesystem::directory_iterator entry(m_file.parent_path(), error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    if (name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0 &&
        name.find_first_not_of("0123456789", prefix.size()) == std::string::npos) {
      std::error_code ignored;
      std::filesystem::remove(entry->path(), ignored);
    }
  }
}

void RegistryStore::Refresh() {
  const FileStamp current = Stamp(m_file);
  if (m_loaded && current == m_stamp) return;
  m_loaded = true;
  if (Load(m_keys, m_stamp) != LoadResult::Damaged) return;
  FileLock lock(m_lockFile);
  if (lock.IsHeld() && Load(m_keys, m_stamp) == LoadResult::Damaged) {
    // The copy keeps the file as it was; the file keeps what could be read,
    // so that it is set aside once.
    SetAsideDamagedFile();
    if (Save(m_keys)) m_stamp = Stamp(m_file);
  }
}

template <typename Change>
long RegistryStore::Modify(Change change) {
  std::error_code ignored;
  std::filesystem::create_directories(m_file.parent_path(), ignored);
  FileLock lock(m_lockFile);
  if (!lock.IsHeld()) return kRegistryAccessDenied;
  RemoveStaleTempFiles();
  Keys keys;
  FileStamp stamp;
  bool changed = false;
  switch (Load(keys, stamp)) {
    case LoadResult::Unreadable:
      return kRegistryAccessDenied;  // never overwrite what could not be read
    case LoadResult::Damaged:
      SetAsideDamagedFile();
      changed = true;  // written back without the lines that could not be read
      break;
    default:
      break;
  }
  const long status = change(keys, changed);
  if (changed) {
    if (!Save(keys)) return kRegistryAccessDenied;
    stamp = Stamp(m_file);
  }
  m_keys = std::move(keys);
  m_stamp = stamp;
  m_loaded = true;
  return status;
}

long RegistryStore::CreateKey(std::wstring_view key) {
  const std::wstring path = NormaliseKey(key);
  const std::wstring folded = Fold(path);
  std::lock_guard guard(m_mutex);
  Refresh();
  if (m_keys.count(folded)) return kRegistryOk;
  return Modify([&](Keys& keys, bool& changed) {
    Key& entry = keys[folded];
    if (entry.path.empty() && !path.empty()) entry.path = path;
    changed = true;
    return kRegistryOk;
  });
}

bool RegistryStore::KeyExists(std::wstring_view key) {
  std::lock_guard guard(m_mutex);
  Refresh();
  return m_keys.count(Fold(NormaliseKey(key))) != 0;
}

long RegistryStore::GetValue(std::wstring_view key, std::wstring_view name, RegistryValue& value) {
  std::lock_guard guard(m_mutex);
  Refresh();
  const auto found = m_keys.find(Fold(NormaliseKey(key)));
  if (found == m_keys.end()) return kRegistryNotFound;
  const auto entry = found->second.values.find(Fold(name));
  if (entry == found->second.values.end()) return kRegistryNotFound;
  value = entry->second.value;
  return kRegistryOk;
}

long RegistryStore::SetValue(std::wstring_view key, std::wstring_view name, const RegistryValue& value) {
  const std::wstring path = NormaliseKey(key);
  std::lock_guard guard(m_mutex);
  return Modify([&](Keys& keys, bool& changed) {
    Key& target = keys[Fold(path)];
    if (target.path.empty()) target.path = path;
    Entry& entry = target.values[Fold(name)];
    if (entry.name.empty()) entry.name = name;
    entry.value = value;
    changed = true;
    return kRegistryOk;
  });
}

long RegistryStore::DeleteValue(std::wstring_view key, std::wstring_view name) {
  const std::wstring folded = Fold(NormaliseKey(key));
  std::lock_guard guard(m_mutex);
  return Modify([&](Keys& keys, bool& changed) {
    const auto found = keys.find(folded);
    if (found == keys.end() || found->second.values.erase(Fold(name)) == 0) return kRegistryNotFound;
    changed = true;
    return kRegistryOk;
  });
}

}  // namespace platform
