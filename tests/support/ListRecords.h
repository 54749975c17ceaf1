// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lists/XvTListFile.h"

#include <ostream>
#include <string>
#include <vector>

namespace flightdeck {

// Readable records in test failures.
inline void PrintTo(const TListFileItem& item, std::ostream* out) {
  *out << "{" << ListItemKindName(item.Kind) << " " << item.Number << " \"" << item.FileName
       << "\" \"" << item.Title << "\" \"" << item.Description[0] << "\" \"" << item.Description[1]
       << "\"}";
}

namespace test {

inline TListFileItem Record(TListItemKind kind, int number = 0, std::string fileName = "",
                            std::string title = "", std::string description0 = "",
                            std::string description1 = "") {
  return {kind, number, std::move(fileName), std::move(title), {description0, description1}};
}

inline TListFileItem Header(TListItemKind kind, std::string title) {
  return Record(kind, 0, "", std::move(title));
}

// Copies of a list's records, to compare with expected ones.
inline std::vector<TListFileItem> Records(const TXvTListFile& list) {
  std::vector<TListFileItem> records;
  for (const auto& item : list.Items())
    records.push_back(*item);
  return records;
}

inline void Append(TXvTListFile& list, const std::vector<TListFileItem>& records) {
  for (const TListFileItem& record : records)
    list.Items().push_back(std::make_unique<TListFileItem>(record));
}

} // namespace test
} // namespace flightdeck
