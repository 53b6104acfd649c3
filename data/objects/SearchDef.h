#pragma once

namespace Invoice::Searches {

// What a search dialog is told besides its kind; each kind of search that
// needs more derives its own definition.
class SearchDef {
public:
  virtual ~SearchDef() = default;
};

}  // namespace Invoice::Searches
