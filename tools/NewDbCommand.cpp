#include "tools/NewDbCommand.h"

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <system_error>

#include "common/RegistryHelpers.h"
#include "data/Connection.h"
#include "data/DbException.h"
#include "data/LegacySchema.h"
#include "data/Schema.h"
#include "data/Settings.h"
#include "data/TransactionScope.h"
#include "data/objects/Template.h"
#include "platform/TextCodec.h"
#include "tools/ShippedTemplates.h"

namespace {

const std::wstring kSettingsKey = L"Software\\Corvane\\Settings";
const std::wstring kDatabaseFileValue = L"DatabaseFile";

void PrintUsage(std::ostream& err) {
  err << "Usage: corvane-newdb [--register] [--schema VERSION] PATH\n"
         "       corvane-newdb --register-existing PATH\n"
         "       corvane-newdb --registered\n"
         "Creates an empty Corvane database (schema "
      << platform::ToUtf8(schema::kCurrentVersionText)
      << ") at PATH. --register also stores PATH as the main program's\n"
         "database; --register-existing stores an existing file; --registered prints the stored one.\n"
         "PATH may be host:/path/file.fdb (or host/port:...) on a Firebird server, logged in as\n"
         "ISC_USER with ISC_PASSWORD.\n"
         "--schema makes the file of an older schema version instead, for trying the upgrade:";
  for (const std::wstring& version : legacy::KnownVersions()) err << " " << platform::ToUtf8(version);
  err << ".\n";
}

bool IsCurrentSchema(const std::string& version) {
  return version.empty() || platform::FromUtf8(version) == schema::kCurrentVersionText;
}

bool IsKnownSchema(const std::string& version) {
  const auto& known = legacy::KnownVersions();
  return IsCurrentSchema(version) ||
         std::find(known.begin(), known.end(), platform::FromUtf8(version)) != known.end();
}

std::string AbsolutePath(const std::string& path) {
  std::error_code error;
  auto absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.lexically_normal().string();
}

bool Register(const std::string& path, std::ostream& out, std::ostream& err) {
  if (RegWriteString(kSettingsKey, kDatabaseFileValue, platform::FromUtf8(path)) != kRegSuccess) {
    err << "corvane-newdb: could not store " << path << " as the database of Corvane.\n";
    return false;
  }
  out << "Stored " << path << " as the database of Corvane.\n";
  return true;
}

// Lists the shipped templates that are there in the new database, the
// default one as DEF_TEMPLATE.
void ListShippedTemplates(const std::string& path, std::ostream& out) {
  const std::filesystem::path folder = ShippedTemplateFolder();
  ConnectDatabaseFile(path);
  {
    TransactionScope scope;
    for (const ShippedTemplate& shipped : ShippedTemplates()) {
      const std::filesystem::path file = folder / shipped.fileName;
      std::error_code missing;
      if (!std::filesystem::exists(file, missing)) continue;
      Invoice::Template listed;
      listed.SetName(shipped.name);
      listed.SetFileName(platform::FromUtf8(file.string()));
      listed.Save();
      if (shipped.isDefault) SetDefaultTemplate(listed.GetId());
      out << "Listed the template \"" << platform::ToUtf8(shipped.name) << "\" (" << file.string() << ")"
          << (shipped.isDefault ? ", the default" : "") << ".\n";
    }
    scope.Commit();
  }
  DisconnectDatabase();
}

}  // namespace

int RunNewDb(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  if (arguments.size() == 1 && arguments[0] == "--registered") {
    auto stored = RegReadString(kSettingsKey, kDatabaseFileValue);
    if (!stored || stored->empty()) return 1;
    out << platform::ToUtf8(*stored) << "\n";
    return 0;
  }
  bool registerPath = false;
  bool existing = false;
  std::string path;
  std::string version;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--schema" && i + 1 < arguments.size() && version.empty()) {
      version = arguments[++i];
      if (!IsKnownSchema(version)) {
        err << "corvane-newdb: unknown schema version " << version << ".\n";
        PrintUsage(err);
        return 2;
      }
    } else if (argument == "--register") {
      registerPath = true;
    } else if (argument == "--register-existing") {
      registerPath = existing = true;
    } else if (argument == "-h" || argument == "--help") {
      PrintUsage(out);
      return 0;
    } else if (argument.empty() || argument[0] == '-' || !path.empty()) {
      // Say what was not understood before how it is used.
      if (argument == "--schema")
        err << (version.empty() ? "corvane-newdb: --schema needs a VERSION.\n"
                                : "corvane-newdb: --schema is given once only.\n");
      else if (!argument.empty() && argument[0] == '-')
        err << "corvane-newdb: unknown option " << argument << ".\n";
      else if (!path.empty())
        err << "corvane-newdb: one PATH only; \"" << argument << "\" is one too many.\n";
      PrintUsage(err);
      return 2;
    } else {
      path = argument;
    }
  }
  if (path.empty() || (existing && !version.empty())) {
    PrintUsage(err);
    return 2;
  }
  const bool server = IsServerPath(path);
  if (!server) path = AbsolutePath(path);

  if (existing && server) {
    // Only the server can tell whether its file is there: attach to it.
    try {
      const DatabaseLogin login = LoginFor(path);
      ibase::ibDatabase database;
      TranslateDbErrors([&] {
        database.Connect(path, login.user, login.password);
        database.Disconnect();
      });
    } catch (const Invoice::DbException& failure) {
      err << "corvane-newdb: cannot open " << path << ":\n" << platform::ToUtf8(failure.GetText()) << "\n";
      return 1;
    }
    return Register(path, out, err) ? 0 : 1;
  }
  std::error_code error;
  const bool exists = !server && std::filesystem::exists(path, error);
  if (existing) {
    if (!exists) {
      err << "corvane-newdb: " << path << " does not exist.\n";
      return 1;
    }
    return Register(path, out, err) ? 0 : 1;
  }
  if (exists) {
    err << "corvane-newdb: " << path << " already exists; it is left as it is (nothing was overwritten).\n";
    return 1;
  }
  try {
    if (IsCurrentSchema(version)) {
      schema::CreateEmptyDatabase(path);
      ListShippedTemplates(path, out);
    } else
      legacy::CreateDatabase(path, platform::FromUtf8(version),
                             legacy::StoredVersionText(platform::FromUtf8(version)));
  } catch (const Invoice::DbException& failure) {
    DisconnectDatabase();
    err << "corvane-newdb: could not create " << path << ":\n" << platform::ToUtf8(failure.GetText()) << "\n";
    return 1;
  }
  out << "Created " << path << " (an empty database of schema "
      << (IsCurrentSchema(version) ? platform::ToUtf8(schema::kCurrentVersionText) : version) << ").\n";
  if (registerPath && !Register(path, out, err)) return 1;
  return 0;
}
