// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lists/MissionTree.h"
#include "services/CatalogueCheck.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace flightdeck {

// The check's findings about the entries of the list shown, kept small, as every entry of a
// list of a million may carry one: for each entry the severity of its worst finding, and its
// findings, put into words only when they are asked for.
class TNodeMarks {
public:
  TNodeMarks() = default;
  // The findings about entries of `nodes` (each finding's Entry indexes it), in the order of
  // `findings` for each; the others are left out.
  TNodeMarks(std::vector<TFinding> findings, const std::vector<TMissionNode*>& nodes);

  bool Empty() const { return FMarks.empty(); }
  std::optional<TSeverity> SeverityOf(const TMissionNode* node) const;
  // Its findings in words, a line each; empty for an entry without.
  QString TextOf(const TMissionNode* node) const;
  // The node goes: another may come at its address.
  void Forget(const TMissionNode* node);
  // The node was renamed: its findings of its title give way to `problem`, if any.
  void Retitled(const TMissionNode* node, std::optional<TProblem> problem);

private:
  struct TMark {
    const TMissionNode* Node;
    TSeverity Severity;
    std::uint32_t First; // its findings in FFindings
    std::uint32_t Count;
  };
  // A finding: its problem, and when its words need more than its entry's file, the whole of it.
  static constexpr std::uint32_t OfItsEntry = UINT32_MAX;
  struct TKept {
    TProblem Problem;
    std::uint32_t Whole; // in FWhole, or OfItsEntry
  };
  // Where the mark of `node` is, or would be, among `marks`.
  template <typename TMarks>
  static auto PlaceOf(TMarks& marks, const TMissionNode* node);
  std::size_t IndexOf(const TMissionNode* node) const; // FMarks.size() for none
  const TMark* Find(const TMissionNode* node) const;

  std::vector<TMark> FMarks; // by node
  std::vector<TKept> FFindings;
  std::vector<TFinding> FWhole;
};

} // namespace flightdeck
