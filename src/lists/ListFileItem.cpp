// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/ListFileItem.h"

namespace flightdeck {

TDescriptionLines::TDescriptionLines(std::string first, std::string second) {
  if (!first.empty() || !second.empty())
    FLines = std::make_unique<std::array<std::string, 2>>(
        std::array<std::string, 2>{std::move(first), std::move(second)});
}

TDescriptionLines::TDescriptionLines(const TDescriptionLines& other)
    : TDescriptionLines(other[0], other[1]) {}

TDescriptionLines& TDescriptionLines::operator=(const TDescriptionLines& other) {
  if (this != &other)
    *this = TDescriptionLines(other);
  return *this;
}

const std::string& TDescriptionLines::operator[](std::size_t line) const {
  static const std::string none;
  return FLines ? (*FLines)[line] : none;
}

std::string& TDescriptionLines::operator[](std::size_t line) {
  if (!FLines)
    FLines = std::make_unique<std::array<std::string, 2>>();
  return (*FLines)[line];
}

bool TDescriptionLines::operator==(const TDescriptionLines& other) const {
  const TDescriptionLines& self = *this;
  return self[0] == other[0] && self[1] == other[1];
}

} // namespace flightdeck
