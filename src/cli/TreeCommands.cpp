// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/TreeCommands.h"

#include "cli/Complaints.h"
#include "cli/JsonText.h"
#include "cli/NamedNodes.h"
#include "lists/MissionTitles.h"
#include "lists/MissionTree.h"
#include "lists/TitleRules.h"
#include "lists/XvTListFile.h"
#include "missions/MissionFile.h"
#include "platform/FileSystem.h"
#include "platform/HostNames.h"
#include "platform/PathNames.h"
#include "platform/Windows1252.h"
#include "services/MissionInstall.h"

#include <functional>
#include <iostream>

namespace flightdeck {

namespace {

TMissionTree LoadedTree(const TInvocation& invocation) {
  TMissionTree tree(invocation.GameDirectory, invocation.Type, invocation.Side);
  tree.Load();
  return tree;
}

// Saves an edited tree as the command's one change: the list, its battle files and the titles
// carried into the Combat list go in together, unless the list changed since it was read.
int Saved(TMissionTree& tree, TSession& session) {
  tree.Save(session);
  session.Commit();
  return 0;
}

// Loads the list, finds the node the command names and edits it with `edit`, which gives the
// exit code; the list is saved when that is 0.
int EditNamedNode(const TInvocation& invocation,
                  const std::function<int(TMissionTree& tree, TMissionNode& node)>& edit) {
  TMissionTree tree = LoadedTree(invocation);
  TMissionNode* node = NamedNode(tree, invocation);
  if (!node)
    return NoSuchNode(NodeName(invocation));
  const int exitCode = edit(tree, *node);
  return exitCode == 0 ? Saved(tree, *invocation.Session) : exitCode;
}

// Reads the file about to be installed as a mission, telling what the user should know of it;
// the exit code when it is no mission of this game and not `forced` in. A file that cannot be
// read is left to the install, which says why.
std::optional<int> CheckedMission(const std::string& mission, bool forced) {
  if (!FileExists(mission))
    return std::nullopt;
  const TMissionReading reading = ReadMissionFile(mission, TMissionDepth::Sizes);
  if (!reading.IsMission()) {
    if (!forced)
      return Fail("\"" + mission + "\" is no mission of this game: " + reading.Reason.Text() +
                  " (--force installs it all the same)");
    Tell("\"" + mission + "\" is no mission of this game: " + reading.Reason.Text() +
         "; installed all the same");
    return std::nullopt;
  }
  if (reading.Mission->Platform == TMissionPlatform::BalanceOfPower)
    Tell("\"" + mission +
         "\" is a mission of the Balance of Power expansion: the game plays it "
         "only with the expansion installed");
  if (!reading.Reason.Empty())
    Tell("\"" + mission + "\": " + reading.Reason.Text() + ", which the game ignores");
  return std::nullopt;
}

} // namespace

int DumpCommand(const TInvocation& invocation) {
  TXvTListFile list(invocation.GameDirectory, invocation.Type, invocation.Side);
  list.ReadEach([](const TListFileItem& item) {
    std::cout << "{\"kind\":" << JsonString(ListItemKindName(item.Kind))
              << ",\"number\":" << item.Number << ",\"file\":" << JsonString(item.FileName)
              << ",\"title\":" << JsonString(item.Title) << ",\"description\":["
              << JsonString(item.Description[0]) << "," << JsonString(item.Description[1])
              << "]}\n";
  });
  return 0;
}

int TreeCommand(const TInvocation& invocation) {
  TXvTListFile list(invocation.GameDirectory, invocation.Type, invocation.Side);
  TMissionTitles missionTitles(invocation.GameDirectory, SingleMissionType(invocation.Type),
                               gnNeutral);
  // The tree's nodes come in the list's order: a group header is a root, an entry goes under
  // the last header, the missions of a battle or tournament under it.
  bool underHeader = false;
  std::optional<int> entryLevel;
  list.ReadEach([&](const TListFileItem& item) {
    int level = 0;
    if (IsGroupHeader(item.Kind)) {
      underHeader = true;
    } else if (IsEntry(item.Kind)) {
      level = underHeader ? 1 : 0;
      entryLevel = level;
    } else if (item.Kind == likOperation || item.Kind == likContest) {
      level = entryLevel ? *entryLevel + 1 : 0;
    } else {
      return;
    }
    std::cout << "{\"level\":" << level << ",\"kind\":" << JsonString(ListItemKindName(item.Kind))
              << ",\"label\":" << JsonString(missionTitles.MissionLabel(item)) << "}\n";
  });
  return 0;
}

int ResaveCommand(const TInvocation& invocation) {
  TSession& session = *invocation.Session;
  TXvTListFile list(invocation.GameDirectory, invocation.Type, invocation.Side);
  list.Resave(session.Files());
  session.Expect(list.FilesRead());
  session.Commit();
  return 0;
}

int InstallMissionCommand(const TInvocation& invocation) {
  const std::string& mission = invocation.Arguments.at(0);
  // Untitled, the mission takes its file's name as the lists spell it, without the extension; a
  // name no list can hold is refused by the install itself.
  const std::string hostName = ExtractFileName(mission);
  const std::string name = GameFileName(hostName).value_or(hostName);
  const std::string title = invocation.Has("--title")
                                ? Utf8ToWindows1252(invocation.Options.at("--title"))
                                : name.substr(0, name.size() - ExtractFileExt(name).size());
  // A title that would not read back is a wrong argument, refused before anything is copied.
  const TMessage refusal =
      TitleRefusal(static_cast<TListItemKind>(InstallParentKind(invocation.Type) + 1), title);
  if (!refusal.Empty())
    return Fail(refusal.Text(), 2);
  if (const std::optional<int> refused = CheckedMission(mission, invocation.Has("--force")))
    return *refused;
  TMissionTree tree = LoadedTree(invocation);
  TOutcome<> installed = TOutcome<>::Failure({});
  if (invocation.Has("--path")) {
    TMissionNode* parent = UnderNode(tree, invocation);
    const TListItemKind parentKind = InstallParentKind(invocation.Type);
    if (!parent || parent->Record.Kind != parentKind)
      return Fail("the list has no " + std::string(ListItemKindName(parentKind)) + " at \"" +
                  UnderName(invocation) + "\"");
    installed = InstallMissionUnder(*invocation.Session, tree, mission, *parent, title);
  } else {
    installed = InstallMissionUnder(*invocation.Session, tree, mission,
                                    Utf8ToWindows1252(invocation.Options.at("--under")), title);
  }
  if (!installed)
    return Fail(Windows1252ToUtf8(installed.Error()));
  invocation.Session->Commit();
  return 0;
}

int RenameCommand(const TInvocation& invocation) {
  return EditNamedNode(invocation, [&](TMissionTree& tree, TMissionNode& node) {
    const TOutcome<> renamed =
        tree.Rename(node, Utf8ToWindows1252(ArgumentAfterNode(invocation, 0)));
    return renamed ? 0 : Fail(renamed.Error(), 2);
  });
}

int RemoveCommand(const TInvocation& invocation) {
  return EditNamedNode(invocation, [](TMissionTree& tree, TMissionNode& node) {
    tree.Remove(node);
    return 0;
  });
}

int MoveCommand(const TInvocation& invocation) {
  return EditNamedNode(invocation, [&](TMissionTree& tree, TMissionNode& node) {
    const std::string& onto = invocation.Options.at("--onto");
    const TMissionNode* target = tree.FindLabel(Utf8ToWindows1252(onto));
    if (!target)
      return NoSuchNode(onto);
    if (!tree.Move(node, *target))
      return Fail("a " + std::string(ListItemKindName(node.Record.Kind)) + " dropped on a " +
                  std::string(ListItemKindName(target->Record.Kind)) + " does not move");
    return 0;
  });
}

int RenumberCommand(const TInvocation& invocation) {
  const std::string& typed = ArgumentAfterNode(invocation, 0);
  if (typed.empty() || typed.size() > 4 ||
      typed.find_first_not_of("0123456789") != std::string::npos)
    return Fail("the number \"" + typed + "\" is not one of 0 to 9999", 2);
  return EditNamedNode(invocation, [&](TMissionTree& tree, TMissionNode& node) {
    if (!IsEntry(node.Record.Kind))
      return Fail("a " + std::string(ListItemKindName(node.Record.Kind)) + " has no number");
    const TRenumbering renumbering = tree.PlanRenumbering(node, std::stoi(typed));
    if (renumbering.Clash && !invocation.Has("--swap"))
      return Fail("\"" + Windows1252ToUtf8(renumbering.Clash->Label()) +
                  "\" is presently using this number; --swap gives it the next available "
                  "number (" +
                  std::to_string(renumbering.Next) + ")");
    tree.Renumber(renumbering);
    return 0;
  });
}

int AddGroupCommand(const TInvocation& invocation) {
  TMissionTree tree = LoadedTree(invocation);
  const TOutcome<> titled =
      tree.Rename(tree.AddGroup(), Utf8ToWindows1252(invocation.Arguments.at(0)));
  return titled ? Saved(tree, *invocation.Session) : Fail(titled.Error(), 2);
}

int AddBattleCommand(const TInvocation& invocation) {
  TMissionTree tree = LoadedTree(invocation);
  const std::string under = UnderName(invocation);
  const TMissionNode* selected = UnderNode(tree, invocation);
  if (!selected)
    return NoSuchNode(under);
  TMissionNode* header = tree.BattleHeaderOf(selected);
  if (!header)
    return Fail("\"" + under + "\" is not a " +
                std::string(ListItemKindName(GroupHeaderKind(invocation.Type))) + " or in one");
  const TOutcome<TMissionNode*> added =
      tree.AddBattle(*header, Utf8ToWindows1252(invocation.Arguments.at(0)));
  if (!added)
    return Fail(Windows1252ToUtf8(added.Error()));
  const TOutcome<> titled =
      tree.Rename(*added.Value(), Utf8ToWindows1252(invocation.Arguments.at(1)));
  return titled ? Saved(tree, *invocation.Session) : Fail(titled.Error(), 2);
}

} // namespace flightdeck
