// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/CatalogueFixes.h"

#include "journal/CommandNames.h"
#include "lists/MissionTree.h"
#include "lists/NextNumber.h"
#include "platform/FileSystem.h"

#include <algorithm>

namespace flightdeck {

namespace {

// `text` with a carriage return before every line feed that has none.
std::string WithCrLf(const std::string& text) {
  std::string mended;
  mended.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
      mended += '\r';
    mended += text[i];
  }
  return mended;
}

// The nodes of `tree` that the check finds `problem` at, in tree order.
std::vector<TMissionNode*> NodesWith(const TMissionTree& tree, TProblem problem) {
  const std::vector<TMissionNode*> nodes = tree.Nodes();
  std::vector<TMissionNode*> found;
  for (const TFinding& finding :
       CheckCatalogue(tree.GameDirectory(), {tree.MissionType(), tree.Side()}))
    if (finding.Problem == problem && finding.Entry >= 0 &&
        finding.Entry < static_cast<int>(nodes.size()))
      found.push_back(nodes[static_cast<std::size_t>(finding.Entry)]);
  return found;
}

int RemoveMissing(TMissionTree& tree) {
  const std::vector<TMissionNode*> missing = NodesWith(tree, TProblem::MissingMissionFile);
  for (auto node = missing.rbegin(); node != missing.rend(); ++node)
    tree.Remove(**node);
  return static_cast<int>(missing.size());
}

int RenumberDuplicates(TMissionTree& tree) {
  const std::vector<TMissionNode*> duplicates = NodesWith(tree, TProblem::DuplicateNumber);
  TListItemRefs records;
  for (TMissionNode* node : tree.Nodes())
    records.push_back(&node->Record);
  TFreeNumbers free(EntryKind(tree.MissionType()), records);
  for (TMissionNode* node : duplicates)
    tree.Renumber({node, free.Take()});
  return static_cast<int>(duplicates.size());
}

} // namespace

std::optional<TFix> FixFor(TProblem problem) {
  switch (problem) {
  case TProblem::LfLineEnds:
    return TFix::LineEnds;
  case TProblem::MissingMissionFile:
    return TFix::RemoveMissing;
  case TProblem::DuplicateNumber:
    return TFix::RenumberDuplicates;
  default:
    return std::nullopt;
  }
}

std::string_view FixName(TFix fix) {
  constexpr std::string_view names[] = {CommandNames::FixLineEnds, CommandNames::RemoveMissing,
                                        CommandNames::RenumberDuplicates};
  return names[static_cast<std::size_t>(fix)];
}

int ApplyFix(TSession& session, const TFinding& finding) {
  const std::optional<TFix> fix = FixFor(finding.Problem);
  if (!fix)
    return 0;
  const std::string& gameDirectory = session.GameDirectory();
  if (*fix == TFix::LineEnds) {
    const std::string list = ListFilePath(gameDirectory, finding.Type, finding.Side);
    const std::string path = finding.Entry < 0 ? list : BattleFilePath(list, finding.File);
    const std::string bytes = ReadFileBytes(path);
    session.Expect({FileRead(path, bytes)});
    session.Files().Stage(path, WithCrLf(bytes));
    return 1;
  }
  TMissionTree tree(gameDirectory, finding.Type, finding.Side);
  tree.Load();
  const int changed = *fix == TFix::RemoveMissing ? RemoveMissing(tree) : RenumberDuplicates(tree);
  tree.Save(session);
  return changed;
}

} // namespace flightdeck
