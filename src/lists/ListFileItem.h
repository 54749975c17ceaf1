// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lists/MissionTypes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace flightdeck {

// The two description lines of a Battle or Tournament. Most records have none: theirs take the
// room of a pointer until a line is written.
class TDescriptionLines {
public:
  TDescriptionLines() = default;
  TDescriptionLines(std::string first, std::string second);
  TDescriptionLines(const TDescriptionLines& other);
  TDescriptionLines(TDescriptionLines&&) noexcept = default;
  TDescriptionLines& operator=(const TDescriptionLines& other);
  TDescriptionLines& operator=(TDescriptionLines&&) noexcept = default;
  ~TDescriptionLines() = default;

  const std::string& operator[](std::size_t line) const;
  std::string& operator[](std::size_t line);
  std::string* begin() { return &(*this)[0]; }
  std::string* end() { return begin() + 2; }
  bool operator==(const TDescriptionLines& other) const;

private:
  std::unique_ptr<std::array<std::string, 2>> FLines; // null: two empty lines
};

// One record of a list: a group header, an entry, or a mission of a battle or tournament.
struct TListFileItem {
  TListItemKind Kind = likCampaign;
  // Number of an Engagement, Battle or Tournament; 0 for everything else.
  std::int32_t Number = 0;
  // Mission file of an Engagement, Operation or Contest; battle file of a Battle or Tournament.
  std::string FileName;
  std::string Title;
  // The two description lines of a Battle or Tournament, kept in its battle file.
  TDescriptionLines Description;

  bool operator==(const TListFileItem&) const = default;
};

// A list of records in list order, owned elsewhere.
using TListItemRefs = std::vector<TListFileItem*>;

} // namespace flightdeck
