#pragma once

// Turns the ids or row records of a DataAccess list query into business
// objects, appended to the caller's list in the query's order.

#include <vector>

namespace Invoice::lists {

// Each object built by id, which reads its OBJECTS row and class row.
template <class ObjectType>
void AppendById(const std::vector<int>& ids, std::vector<ObjectType>& objects) {
  objects.reserve(objects.size() + ids.size());
  for (int id : ids) objects.emplace_back(id);
}

// Runs a DataAccess query of ids and appends the objects built by id.
template <class ObjectType, class DataAccessType>
void AppendAllById(void (DataAccessType::*query)(std::vector<int>&) const, std::vector<ObjectType>& objects) {
  std::vector<int> ids;
  (DataAccessType::Instance().*query)(ids);
  AppendById(ids, objects);
}

// Each object built from its record, which reads its OBJECTS row again.
template <class ObjectType, class Record>
void AppendFromRecords(const std::vector<Record>& records, std::vector<ObjectType>& objects) {
  objects.reserve(objects.size() + records.size());
  for (const Record& record : records) objects.emplace_back(record);
}

// Runs a DataAccess query that fills a vector of records and appends the objects.
template <class ObjectType, class Query>
void AppendQueried(Query&& query, std::vector<ObjectType>& objects) {
  std::vector<typename ObjectType::RecordType> records;
  query(records);
  AppendFromRecords(records, objects);
}

}  // namespace Invoice::lists
