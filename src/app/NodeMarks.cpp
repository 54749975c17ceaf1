// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/NodeMarks.h"

#include "app/FindingWords.h"

#include <algorithm>
#include <functional>

namespace flightdeck {

namespace {

// What a finding about `node` says of nothing but the node's own file: its words are made from
// its problem and that file.
bool SaysNoMoreThanItsFile(const TFinding& finding, const TMissionNode& node) {
  return finding.File == node.Record.FileName && finding.Detail.empty() && finding.HostName.empty();
}

} // namespace

TNodeMarks::TNodeMarks(std::vector<TFinding> findings, const std::vector<TMissionNode*>& nodes) {
  std::erase_if(findings, [&](const TFinding& finding) {
    return finding.Entry < 0 || static_cast<std::size_t>(finding.Entry) >= nodes.size();
  });
  std::stable_sort(findings.begin(), findings.end(),
                   [](const TFinding& a, const TFinding& b) { return a.Entry < b.Entry; });
  FFindings.reserve(findings.size());
  for (std::size_t at = 0; at < findings.size();) {
    const TMissionNode* node = nodes[static_cast<std::size_t>(findings[at].Entry)];
    TMark mark{node, flightdeck::SeverityOf(findings[at].Problem),
               static_cast<std::uint32_t>(FFindings.size()), 0};
    for (; at < findings.size() && nodes[static_cast<std::size_t>(findings[at].Entry)] == node;
         ++at, ++mark.Count) {
      TFinding& finding = findings[at];
      mark.Severity = std::min(mark.Severity, flightdeck::SeverityOf(finding.Problem));
      if (SaysNoMoreThanItsFile(finding, *node)) {
        FFindings.push_back({finding.Problem, OfItsEntry});
      } else {
        FFindings.push_back({finding.Problem, static_cast<std::uint32_t>(FWhole.size())});
        FWhole.push_back(std::move(finding));
      }
    }
    FMarks.push_back(mark);
  }
  std::sort(FMarks.begin(), FMarks.end(), [](const TMark& a, const TMark& b) {
    return std::less<const TMissionNode*>()(a.Node, b.Node);
  });
}

template <typename TMarks>
auto TNodeMarks::PlaceOf(TMarks& marks, const TMissionNode* node) {
  return std::lower_bound(marks.begin(), marks.end(), node,
                          [](const TMark& mark, const TMissionNode* wanted) {
                            return std::less<const TMissionNode*>()(mark.Node, wanted);
                          });
}

std::size_t TNodeMarks::IndexOf(const TMissionNode* node) const {
  const auto found = PlaceOf(FMarks, node);
  return found != FMarks.end() && found->Node == node && found->Count > 0
             ? static_cast<std::size_t>(found - FMarks.begin())
             : FMarks.size();
}

const TNodeMarks::TMark* TNodeMarks::Find(const TMissionNode* node) const {
  const std::size_t at = IndexOf(node);
  return at < FMarks.size() ? &FMarks[at] : nullptr;
}

std::optional<TSeverity> TNodeMarks::SeverityOf(const TMissionNode* node) const {
  const TMark* mark = Find(node);
  return mark ? std::optional<TSeverity>(mark->Severity) : std::nullopt;
}

QString TNodeMarks::TextOf(const TMissionNode* node) const {
  const TMark* mark = Find(node);
  QStringList lines;
  for (std::uint32_t i = 0; mark && i < mark->Count; ++i) {
    const TKept& kept = FFindings[mark->First + i];
    if (kept.Whole != OfItsEntry) {
      lines << FindingWords(FWhole[kept.Whole]);
      continue;
    }
    TFinding finding;
    finding.Problem = kept.Problem;
    finding.File = node->Record.FileName;
    lines << FindingWords(finding);
  }
  return lines.join(QLatin1Char('\n'));
}

void TNodeMarks::Forget(const TMissionNode* node) {
  if (const std::size_t at = IndexOf(node); at < FMarks.size())
    FMarks[at].Count = 0;
}

void TNodeMarks::Retitled(const TMissionNode* node, std::optional<TProblem> problem) {
  // Its findings are written anew at the end, without those of its title.
  const TMark* mark = Find(node);
  std::vector<TKept> kept;
  for (std::uint32_t i = 0; mark && i < mark->Count; ++i)
    if (!IsTitleProblem(FFindings[mark->First + i].Problem))
      kept.push_back(FFindings[mark->First + i]);
  if (problem)
    kept.push_back({*problem, OfItsEntry});
  if (!mark && kept.empty())
    return;
  TMark renewed{node, TSeverity::Note, static_cast<std::uint32_t>(FFindings.size()),
                static_cast<std::uint32_t>(kept.size())};
  for (const TKept& finding : kept)
    renewed.Severity = std::min(renewed.Severity, flightdeck::SeverityOf(finding.Problem));
  FFindings.insert(FFindings.end(), kept.begin(), kept.end());
  const auto at = PlaceOf(FMarks, node);
  if (at != FMarks.end() && at->Node == node)
    *at = renewed;
  else
    FMarks.insert(at, renewed);
}

} // namespace flightdeck
