// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LeftOvers.h"

#include "platform/HostFiles.h"

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <random>

namespace flightdeck {

namespace {

constexpr std::size_t TagDigits = 8;

bool IsHex(std::string_view text, std::size_t length) {
  return text.size() == length && std::all_of(text.begin(), text.end(), [](char c) {
           return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
         });
}

bool IsProcessNumber(std::string_view text) {
  return !text.empty() && text.size() <= 10 && text.front() != '0' &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A number for a name; any thread may ask.
unsigned RandomNumber() {
  static std::mutex mutex;
  static std::mt19937 generator{std::random_device{}()};
  const std::lock_guard lock(mutex);
  return static_cast<unsigned>(generator());
}

} // namespace

std::string OwnerTag() {
  return HostBootTag() + "-" + HostProcessSpaceTag() + "-" + std::to_string(HostProcessId());
}

bool HasOwnerEnded(std::string_view tag) {
  if (tag.size() < 2 * TagDigits + 3)
    return false;
  const std::string_view boot = tag.substr(0, TagDigits);
  const std::string_view space = tag.substr(TagDigits + 1, TagDigits);
  const std::string_view process = tag.substr(2 * TagDigits + 2);
  if (!IsHex(boot, TagDigits) || !IsHex(space, TagDigits) || tag[TagDigits] != '-' ||
      tag[2 * TagDigits + 1] != '-' || !IsProcessNumber(process))
    return false;
  if (boot != HostBootTag())
    return true;
  return space == HostProcessSpaceTag() && HostProcessEnded(std::stol(std::string(process)));
}

std::string OwnedName(std::string_view prefix) {
  char suffix[16];
  std::snprintf(suffix, sizeof suffix, "-%08x", RandomNumber());
  return std::string(prefix) + OwnerTag() + suffix;
}

bool IsLeftOverName(std::string_view name, std::string_view prefix) {
  if (!name.starts_with(prefix) || name.size() < prefix.size() + TagDigits + 1)
    return false;
  const std::string_view suffix = name.substr(name.size() - TagDigits);
  const std::string_view tag =
      name.substr(prefix.size(), name.size() - prefix.size() - TagDigits - 1);
  return name[name.size() - TagDigits - 1] == '-' && IsHex(suffix, TagDigits) && HasOwnerEnded(tag);
}

} // namespace flightdeck
