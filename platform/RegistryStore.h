#pragma once

// The per-user configuration store that stands in for the registry: keys
// (paths such as L"Software\\Corvane\\Settings") holding typed values. Key
// paths and value names compare without regard to case, as on Windows.
//
// Everything lives in one UTF-8 text file. Every change takes an exclusive
// lock on a lock file beside it, re-reads the file, applies the one change and
// replaces the file atomically (temp file + rename), so the main program and
// the designer never drop each other's values. A line that cannot be read is
// left out and the rest of the file is read; the file as it was is then
// copied aside (".damaged-<time>") once, and written back without that line.

#include <cstdint>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

inline constexpr uint32_t REG_SZ = 1;
inline constexpr uint32_t REG_BINARY = 3;
inline constexpr uint32_t REG_DWORD = 4;

// Statuses, the system's error codes.
inline constexpr long kRegistryOk = 0;
inline constexpr long kRegistryNotFound = 2;      // ERROR_FILE_NOT_FOUND
inline constexpr long kRegistryAccessDenied = 5;  // the store file cannot be written
inline constexpr long kRegistryMoreData = 234;    // ERROR_MORE_DATA

struct RegistryValue {
  uint32_t type = REG_SZ;
  std::wstring text;           // REG_SZ
  uint32_t number = 0;         // REG_DWORD
  std::vector<uint8_t> bytes;  // REG_BINARY

  static RegistryValue String(std::wstring text);
  static RegistryValue Dword(uint32_t number);
  static RegistryValue Binary(std::vector<uint8_t> bytes);

  // The bytes a registry read returns: REG_SZ as UTF-16LE with its
  // terminator, REG_DWORD as 4 little-endian bytes, REG_BINARY unchanged.
  std::vector<uint8_t> RawBytes() const;

  bool operator==(const RegistryValue&) const = default;
};

class RegistryStore {
public:
  // A store on the given file; the lock file is the same path + ".lock".
  explicit RegistryStore(std::filesystem::path file);
  RegistryStore(const RegistryStore&) = delete;
  RegistryStore& operator=(const RegistryStore&) = delete;

  // The process's store: $XDG_CONFIG_HOME/Corvane/registry.txt (default
  // ~/.config/Corvane/registry.txt), the path taken at first use.
  static RegistryStore& User();
  static std::filesystem::path UserStorePath();

  const std::filesystem::path& Path() const { return m_file; }

  // Creates the key (and its parents' path) when missing; kRegistryOk when it exists afterwards.
  long CreateKey(std::wstring_view key);
  bool KeyExists(std::wstring_view key);

  // kRegistryNotFound when the key or the value does not exist; value untouched then.
  long GetValue(std::wstring_view key, std::wstring_view name, RegistryValue& value);
  // Creates the key when missing.
  long SetValue(std::wstring_view key, std::wstring_view name, const RegistryValue& value);
  long DeleteValue(std::wstring_view key, std::wstring_view name);

  // The copies of damaged files set aside since the last call (the file is
  // read first, when it was not yet), for the program to say so once.
  std::vector<std::filesystem::path> TakeSetAsideCopies();

  // Case folding used for key paths and value names (exposed for tests).
  static std::wstring Fold(std::wstring_view text);

private:
  struct Entry {
    std::wstring name;  // as first written
    RegistryValue value;
  };
  struct Key {
    std::wstring path;                     // as first written
    std::map<std::wstring, Entry> values;  // by folded name
  };
  using Keys = std::map<std::wstring, Key>;  // by folded, normalised path

  struct FileStamp {
    bool exists = false;
    uint64_t device = 0, inode = 0, size = 0;
    int64_t mtimeNs = 0;
    bool operator==(const FileStamp&) const = default;
  };

  enum class LoadResult { Loaded, Missing, Damaged, Unreadable };

  // The keys of what can be read; damaged tells whether any line could not.
  static Keys Parse(std::string_view data, bool& damaged);
  static std::string Serialize(const Keys& keys);
  static FileStamp Stamp(const std::filesystem::path& file);
  LoadResult Load(Keys& keys, FileStamp& stamp) const;
  bool Save(const Keys& keys);
  void SetAsideDamagedFile();
  void RemoveStaleTempFiles() const;
  void Refresh();  // reloads when the file changed since the last load
  // Runs change(keys, changed) on a fresh copy of the file under the file
  // lock and writes the file when it reports a change.
  template <typename Change>
  long Modify(Change change);

  std::filesystem::path m_file;
  std::filesystem::path m_lockFile;
  std::mutex m_mutex;
  Keys m_keys;
  FileStamp m_stamp;
  bool m_loaded = false;
  std::vector<std::filesystem::path> m_setAside;
};

}  // namespace platform
