// SPDX-License-Identifier: GPL-3.0-or-later
// The mission tree as a document: reading it from its list, writing it back, and looking at it.

#include "lists/MissionTree.h"

#include "lists/MissionTitles.h"
#include "lists/NextNumber.h"
#include "lists/XvTListFile.h"
#include "platform/ContentDigest.h"
#include "platform/HostPath.h"
#include "platform/Windows1252.h"

#include <algorithm>

namespace flightdeck {

namespace {

template <typename TVisit>
void ForEachInTreeOrder(const TMissionTree::TNodes& nodes, const TVisit& visit) {
  for (const std::unique_ptr<TMissionNode>& node : nodes) {
    visit(*node);
    ForEachInTreeOrder(node->Children, visit);
  }
}

void AddInTreeOrder(const TMissionTree::TNodes& nodes, std::vector<TMissionNode*>& ordered) {
  ForEachInTreeOrder(nodes, [&](TMissionNode& node) { ordered.push_back(&node); });
}

} // namespace

int TMissionNode::Level() const {
  int level = 0;
  for (const TMissionNode* up = Parent; up; up = up->Parent)
    ++level;
  return level;
}

TMissionTree::TMissionTree(std::string gameDirectory, TMissionType type, TGender side)
    : FGameDirectory(std::move(gameDirectory)), FType(type), FSide(side) {
  NumbersChanged();
}

void TMissionTree::Load() {
  TXvTListFile list(FGameDirectory, FType, FSide);
  TMissionTitles missionTitles(FGameDirectory, SingleMissionType(FType), gnNeutral);
  FRoots.clear();
  NumbersChanged();
  FHadCorruptEntry = false;
  TMissionNode* root = nullptr;
  TMissionNode* entry = nullptr;
  // Each record becomes its node as it is read: the list is never held whole besides.
  FRecordsRead = 0;
  list.ReadEach([&](const TListFileItem& item) {
    ++FRecordsRead;
    TListFileItem record{item.Kind, item.Number, item.FileName, {}, item.Description};
    if (IsGroupHeader(item.Kind)) {
      root = &Append(FRoots, nullptr, std::move(record), missionTitles.MissionLabel(item));
    } else if (IsEntry(item.Kind)) {
      entry = &Append(root ? root->Children : FRoots, root, std::move(record),
                      missionTitles.MissionLabel(item));
    } else if (item.Kind == likOperation || item.Kind == likContest) {
      Append(entry ? entry->Children : FRoots, entry, std::move(record),
             missionTitles.MissionLabel(item));
    } else {
      FHadCorruptEntry = FHadCorruptEntry || item.Kind == likCorruptEntry;
    }
  });
  FStoredDigest = RecordsDigest();
  FFilesRead = list.FilesRead();
  FFilesRead.insert(FFilesRead.end(), missionTitles.FilesRead().begin(),
                    missionTitles.FilesRead().end());
}

void TMissionTree::Written(const std::vector<TFileTransaction::TStagedFile>& files) {
  for (TFileRead& read : FFilesRead) {
    const THostPath host = HostPath(read.Path);
    for (const TFileTransaction::TStagedFile& file : files)
      if (file.Target == host) {
        read.Digest = file.Digest;
        read.State = file.Left;
      }
  }
}

bool TMissionTree::Changed() const {
  return RecordsDigest() != FStoredDigest;
}

bool TMissionTree::Save(TFileTransaction& transaction) {
  const std::string digest = RecordsDigest();
  if (digest == FStoredDigest)
    return false;
  TListItemRefs items;
  ForEachInTreeOrder(FRoots, [&](TMissionNode& node) { items.push_back(&node.Record); });
  TXvTListFile(FGameDirectory, FType, FSide).SaveToFile(items, transaction);
  if (FType == mtBattles) {
    TXvTListFile combat(FGameDirectory, SingleMissionType(FType), gnNeutral);
    combat.LoadStaged(transaction); // with the missions a command added to it
    TXvTListFile::CopyTitles(likEngagement, likOperation, combat.ItemRefs(), items);
    combat.Save(transaction);
  }
  FStoredDigest = digest;
  return true;
}

std::string TMissionTree::RecordsDigest() const {
  // Each record as the list writes it, its texts with their lengths, so that no two lists
  // run together alike; digested some pages of records at a time.
  constexpr std::size_t Batch = std::size_t{64} * 1024;
  TContentDigest digest;
  std::string records;
  records.reserve(Batch + 1024);
  const auto add = [&](std::string_view text) {
    const auto size = static_cast<std::uint32_t>(text.size());
    records.append(reinterpret_cast<const char*>(&size), sizeof size);
    records.append(text);
  };
  ForEachInTreeOrder(FRoots, [&](const TMissionNode& node) {
    records.push_back(static_cast<char>(node.Record.Kind));
    records.append(reinterpret_cast<const char*>(&node.Record.Number), sizeof node.Record.Number);
    add(node.Record.FileName);
    add(node.Label());
    add(node.Record.Description[0]);
    add(node.Record.Description[1]);
    if (records.size() >= Batch) {
      digest.Add(records);
      records.clear();
    }
  });
  digest.Add(records);
  return digest.Text();
}

bool TMissionTree::Save(TSession& session) {
  session.Expect(FFilesRead);
  return Save(session.Files());
}

std::vector<TMissionNode*> TMissionTree::Nodes() const {
  std::vector<TMissionNode*> nodes;
  AddInTreeOrder(FRoots, nodes);
  return nodes;
}

std::vector<TListFileItem> TMissionTree::CollectTreeItems(int first, int last) const {
  std::vector<TListFileItem> records;
  const std::vector<TMissionNode*> nodes = Nodes();
  if (first < 0 || first > last || last >= static_cast<int>(nodes.size()))
    return records;
  records.reserve(static_cast<std::size_t>(last - first) + 1);
  for (int i = first; i <= last; ++i) {
    const TMissionNode& node = *nodes[static_cast<std::size_t>(i)];
    records.push_back(node.Record);
  }
  return records;
}

std::int32_t TMissionTree::NextNumber(TListItemKind kind) const {
  std::int32_t& next = FNextNumbers.at(kind);
  if (next < 0) {
    TListItemRefs records;
    for (TMissionNode* node : Nodes())
      records.push_back(&node->Record); // numbers only: the titles are not looked at
    next = flightdeck::NextNumber(kind, records);
  }
  return next;
}

TMissionNode* TMissionTree::NextInTreeOrder(const TMissionNode* node) const {
  if (!node)
    return FRoots.empty() ? nullptr : FRoots.front().get();
  if (!node->Children.empty())
    return node->Children.front().get();
  for (; node; node = node->Parent) {
    const TNodes& siblings = node->Parent ? node->Parent->Children : FRoots;
    if (static_cast<std::size_t>(node->Row) + 1 < siblings.size())
      return siblings[static_cast<std::size_t>(node->Row) + 1].get();
  }
  return FRoots.front().get();
}

TMissionNode* TMissionTree::FindText(const TMissionNode* from, std::string_view text) const {
  // Letters folded through a table made once: a find looks at every label of a long list.
  std::array<char, 256> fold{};
  for (std::size_t c = 0; c < fold.size(); ++c)
    fold[c] = FoldedWindows1252(static_cast<char>(c));
  std::string folded(text);
  for (char& c : folded)
    c = fold[static_cast<unsigned char>(c)];
  const auto holds = [&](std::string_view within) {
    return std::search(within.begin(), within.end(), folded.begin(), folded.end(),
                       [&](char a, char b) { return fold[static_cast<unsigned char>(a)] == b; }) !=
           within.end();
  };
  if (FRoots.empty())
    return nullptr;
  const TMissionNode* last = from;
  for (const TNodes* level = &FRoots; !last; level = &level->back()->Children)
    if (level->back()->Children.empty())
      last = level->back().get();
  TMissionNode* node = NextInTreeOrder(last);
  for (;; node = NextInTreeOrder(node)) {
    if (holds(node->Label()) || holds(node->Record.FileName))
      return node;
    if (node == last)
      return nullptr;
  }
}

TMissionNode* TMissionTree::FindLabel(std::string_view label) const {
  const std::vector<TMissionNode*> nodes = Nodes();
  const auto found = std::find_if(nodes.begin(), nodes.end(),
                                  [&](const TMissionNode* node) { return node->Label() == label; });
  return found == nodes.end() ? nullptr : *found;
}

TMissionNode* TMissionTree::FindPath(const std::vector<std::string>& labels) const {
  const TNodes* level = &FRoots;
  TMissionNode* found = nullptr;
  for (const std::string& label : labels) {
    const auto next = std::find_if(level->begin(), level->end(),
                                   [&](const auto& node) { return node->Label() == label; });
    if (next == level->end())
      return nullptr;
    found = next->get();
    level = &found->Children;
  }
  return found;
}

std::vector<TPackNode> TMissionTree::PackBranch(const TMissionNode& node) const {
  std::vector<TPackNode> branch{{&node.Record, node.Label()}};
  std::vector<TMissionNode*> below;
  AddInTreeOrder(node.Children, below);
  for (const TMissionNode* child : below)
    branch.push_back({&child->Record, child->Label()});
  return branch;
}

TMissionTree::TNodes& TMissionTree::SiblingsOf(const TMissionNode& node) {
  return node.Parent ? node.Parent->Children : FRoots;
}

TMissionNode& TMissionTree::Append(TNodes& siblings, TMissionNode* parent, TListFileItem record,
                                   std::string label) {
  auto node = std::make_unique<TMissionNode>();
  node->Record = std::move(record);
  node->Record.Title = std::move(label);
  node->Parent = parent;
  node->Row = static_cast<std::int32_t>(siblings.size());
  if (FObserver)
    FObserver->NodeInserting(parent, node->Row);
  siblings.push_back(std::move(node));
  NumbersChanged();
  if (FObserver)
    FObserver->NodeInserted();
  return *siblings.back();
}

} // namespace flightdeck
