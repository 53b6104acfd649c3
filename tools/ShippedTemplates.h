#pragma once

// The invoice templates that ship with Corvane: built at build time by
// corvane-templates with the common template writer, installed with the
// programs, and listed in every new database by corvane-newdb.

#include <filesystem>
#include <string>
#include <vector>

#include "common/TemplateFile.h"

struct ShippedTemplate {
  std::wstring name;      // TEMPLATES.NAME
  std::string fileName;   // in the template folder
  bool isDefault = false; // DEF_TEMPLATE of a new database
};

// The outgoing invoice (the default) and the incoming invoice, both A4.
const std::vector<ShippedTemplate>& ShippedTemplates();

// The layout of one shipped template.
TemplateFile BuildShippedTemplate(const ShippedTemplate& shipped);

// Where the shipped templates are: beside an installed program
// (<prefix>/share/corvane/templates, found from the running program's
// folder), else the build tree's folder they were made in.
std::filesystem::path ShippedTemplateFolder();
