// SPDX-License-Identifier: GPL-3.0-or-later
// Installing and building mission packs.

#include "app/PackCommands.h"

#include "app/Application.h"
#include "app/BackgroundWork.h"
#include "app/CoreText.h"
#include "app/ListText.h"
#include "journal/CommandNames.h"
#include "journal/HistoryRecord.h"
#include "packs/InstallScript.h"
#include "packs/InstalledPacks.h"
#include "packs/PackBuild.h"
#include "packs/PackInstall.h"
#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"
#include "platform/PathNames.h"
#include "widgets/PathText.h"

#include <algorithm>
#include <set>

namespace flightdeck {

TPackCommands::TPackCommands(TListController& list, TPrompts& prompts, QWidget& owner)
    : FList(list), FPrompts(prompts), FOwner(owner) {
  // The archiver as packs want it: level 6, entries under their bare names.
  FZip.Compression = 6;
  FZip.UsePaths = false;
  FZip.OnListing = [this](TZipArchiver&, const TZipFileStats& stats) {
    FListing.push_back(stats.FileName);
  };
}

QString TPackCommands::Install(const std::string& chosen, TMissionType& type, TGender& side) {
  if (chosen.empty() || !FileExists(chosen) || !FList.Document())
    return {};
  FListing.clear();
  FZip.ZipFileName = chosen;
  {
    TArchiveProgress progress(&FOwner, FZip, tr("Reading the pack..."), 0);
    if (progress.Run([&] { return FZip.ListFiles(); }) != 0 && FListing.empty()) {
      FPrompts.Tell(tr("The pack \"%1\" cannot be read: %2")
                        .arg(PathText(chosen), QString::fromStdString(FZip.LastError())));
      return {};
    }
  }
  // A pack does not say where it belongs: its plan opens on the category that suits it, and the
  // user may send it elsewhere. The user sees what the pack will change, and answers every
  // question, before the game is locked; then its missions and every list it extends, staged
  // with the plan, go in together as one command, unless a list changed meanwhile.
  TPackTarget target{SuitedCategory(FZip, FListing, type), side};
  if (IsNeutralOnly(target.Type))
    target.Side = gnNeutral;
  QString cancelled = tr("Installing the pack was cancelled; nothing was changed.");
  if (!Plan(target)) {
    if (FPlanCancelled)
      return cancelled;
    FPrompts.Tell(FPlanFailure);
    return {};
  }
  const auto lines = [&](const TPackTarget& where) {
    if (!(FPlan && where == FPlan->Target) && !Plan(where))
      return TPackPlanLines{{FPlanCancelled ? cancelled : FPlanFailure}, false, {}, {}};
    return TPackPlanLines{PlanLines(FPlan->Plan), true, FPlan->LikeText,
                          QString::fromStdString(FPlan->Plan.Record.Readme)};
  };
  const TPackAnswer answer =
      FPrompts.ConfirmPackPlan(PathText(ExtractFileName(chosen)), target, lines);
  // Replacing the pack it is like, it is planned again, that one taken out first.
  const bool planned = answer != TPackAnswer::Cancel && FPlan && FPlan->Target == target &&
                       (answer != TPackAnswer::Replace || Plan(target, FPlan->Like));
  const bool confirmed =
      planned && ConfirmNonMissions(FPlan->Plan.NonMissions) &&
      (FPlan->Like != 0 || ConfirmGroupsAgain(FPlan->Plan.Items, target)) &&
      FList.Run(CommandNames::InstallPack, ExtractFileName(chosen), [&](TSession& session) {
        InstallPlannedPack(session, FPlan->Staging, FPlan->Read, FPlan->Plan);
        return true;
      });
  const std::unique_ptr<TPlan> plan = std::move(FPlan); // its staging goes with it
  if (!confirmed)
    return {};
  QString notes;
  for (const TMessage& note : plan->Plan.Notes)
    notes += (notes.isEmpty() ? QString() : QStringLiteral("\n")) + MessageText(note, FromList);
  if (!notes.isEmpty())
    FPrompts.Tell(notes);
  type = target.Type;
  side = target.Side;
  FList.ReadAgain();
  return MessageText(PackInstallSummary(plan->Plan.Items, target.Side), FromList);
}

bool TPackCommands::Plan(const TPackTarget& target, int replacing) {
  FPlan.reset();
  auto plan = std::make_unique<TPlan>();
  plan->Target = target;
  TOutcome<TPackPlan> planned = TOutcome<TPackPlan>::Failure({});
  const TGameHistory history = FList.History();
  {
    TArchiveProgress progress(&FOwner, FZip, tr("Extracting the missions..."),
                              static_cast<int>(FListing.size()));
    planned = progress.Run([&] {
      return PlanPackInstall(plan->Staging, plan->Read, FZip, FListing, FList.Game(), target.Type,
                             target.Side, {&history, replacing});
    });
    // Nothing is written yet: a window closed meanwhile closes without it.
    FPlanCancelled = progress.Cancelled() || progress.CloseRequested();
  }
  if (FPlanCancelled)
    return false;
  if (!planned) {
    FPlanFailure = MessageText(planned.ErrorMessage(), FromList);
    return false;
  }
  plan->Plan = std::move(planned.Value());
  // Another copy or version of an installed pack: the newest of those it is like.
  const std::vector<THistoryEntry> entries = history.Entries();
  const std::string name = ExtractFileName(FZip.ZipFileName);
  const std::vector<std::string> groups = PackGroupTitles(plan->Plan.Items, target.Side);
  const std::vector<TInstalledPack> installed =
      InstalledPacksLike(history, entries, FList.Game(), name, groups);
  const std::vector<const TInstalledPack*> like = PacksLike(installed, name, groups);
  if (!like.empty() && replacing == 0) {
    const THistoryEntry& entry = *like.back()->Entry;
    plan->Like = entry.Id;
    plan->LikeText =
        tr("The pack \"%1\", installed %2, is another copy or version of this one. Replace "
           "takes it out and installs this one in its place; Install Again installs this one "
           "beside it.")
            .arg(FromList(entry.Subject),
                 QString::fromStdString(LocalTimeOf(entry.Time, "%Y-%m-%d %H:%M")));
  }
  plan->Like = replacing != 0 ? replacing : plan->Like;
  FPlan = std::move(plan);
  return true;
}

QStringList TPackCommands::PlanLines(const TPackPlan& plan) {
  QStringList lines;
  for (const TNonMission& other : plan.NonMissions)
    lines << tr("No mission of this game: %1 (%2)")
                 .arg(FromList(other.Name), MessageText(other.Reason, FromList));
  for (const TPlannedEntry& entry : plan.Entries) {
    // "Engagement "Dawn" (d1.tie)"; a battle's mission, titled in the Combat list, by its file;
    // in the battle it goes into, named by its title.
    const QString title = entry.Title.empty()
                              ? QString()
                              : QStringLiteral(" \"") + FromList(entry.Title) + QLatin1Char('"');
    const QString file = entry.File.empty() ? QString() : FromList(entry.File);
    const QString where = entry.Battle.empty()
                              ? QString::fromStdString(entry.List)
                              : tr("%1 \"%2\"")
                                    .arg(KindName(static_cast<TListItemKind>(entry.Kind - 1)),
                                         FromList(entry.Battle));
    lines << where + QStringLiteral(": ") + KindName(entry.Kind) + title +
                 (file.isEmpty()    ? QString()
                  : title.isEmpty() ? QString(QLatin1Char(' ') + file)
                                    : QString(QStringLiteral(" (") + file + QLatin1Char(')')));
  }
  for (const TPlannedFile& file : plan.Files)
    lines << (file.Replaces ? tr("Replaces %1") : tr("Adds %1"))
                 .arg(QString::fromStdString(file.File));
  return lines;
}

bool TPackCommands::ConfirmNonMissions(const std::vector<TNonMission>& nonMissions) {
  return nonMissions.empty() ||
         FPrompts.Ask(tr("Confirm"),
                      tr("These files of the pack are no missions of X-wing vs. TIE Fighter: %1. "
                         "Install them anyway?")
                          .arg(MessageText(NonMissionsList(nonMissions), FromList)));
}

bool TPackCommands::ConfirmGroupsAgain(const std::vector<TPackageItem>& items,
                                       const TPackTarget& target) {
  // The groups of the list the pack goes into: the one shown, or another read for the purpose.
  std::unique_ptr<TMissionTree> other;
  const TMissionTree* tree = FList.Document();
  if (tree->MissionType() != target.Type || tree->Side() != target.Side) {
    other = std::make_unique<TMissionTree>(FList.Game(), target.Type, target.Side);
    other->Load();
    tree = other.get();
  }
  QStringList listed;
  for (const TMissionNode* node : tree->Nodes())
    if (IsGroupHeader(node->Record.Kind) || HasBattleFile(node->Record.Kind))
      listed << FromList(node->Label());
  QStringList again;
  for (const std::string& title : PackGroupTitles(items, target.Side))
    if (listed.contains(FromList(title)) && !again.contains(FromList(title)))
      again << QLatin1Char('"') + FromList(title) + QLatin1Char('"');
  return again.isEmpty() ||
         FPrompts.Ask(tr("Confirm"),
                      tr("The list already holds %1. Add the pack's entries a second time?")
                          .arg(again.join(tr(", "))));
}

namespace {

QString StateText(TPackState state) {
  switch (state) {
  case TPackState::Installed:
    return TPackCommands::tr("Installed");
  case TPackState::Changed:
    return TPackCommands::tr("Changed since");
  case TPackState::PartlyRemoved:
    return TPackCommands::tr("Partly removed");
  case TPackState::Removed:
    return TPackCommands::tr("Removed");
  default:
    return TPackCommands::tr("Not recorded");
  }
}

TInstalledPackLine LineOf(const TInstalledPack& pack) {
  TInstalledPackLine line{pack.Record ? QString::fromStdString(pack.Record->Pack)
                                      : FromList(pack.Entry->Subject),
                          QString::fromStdString(LocalTimeOf(pack.Entry->Time, "%Y-%m-%d %H:%M")),
                          {},
                          {},
                          static_cast<int>(pack.Missions),
                          StateText(pack.State),
                          {},
                          pack.Record && pack.State != TPackState::Removed};
  if (!pack.Record)
    return line;
  line.Category = CategoryName(pack.Record->Category);
  if (!IsNeutralOnly(pack.Record->Category))
    line.Category += TPackCommands::tr(", %1").arg(SideName(pack.Record->Side));
  QStringList groups;
  for (const std::string& group : pack.Groups)
    groups << FromList(group);
  line.Groups = groups.join(TPackCommands::tr(", "));
  line.Readme = QString::fromStdString(pack.Record->Readme);
  return line;
}

} // namespace

QString TPackCommands::ShowInstalled() {
  if (FList.Game().empty())
    return {};
  const TGameHistory history = FList.History();
  const std::vector<THistoryEntry> entries = history.Entries();
  std::vector<TInstalledPack> packs = InstalledPacks(history, entries, FList.Game());
  std::reverse(packs.begin(), packs.end()); // newest first
  std::vector<TInstalledPackLine> lines;
  lines.reserve(packs.size());
  for (const TInstalledPack& pack : packs)
    lines.push_back(LineOf(pack));
  const int chosen = FPrompts.ChooseInstalledPack(lines);
  if (chosen < 0 || !lines[static_cast<std::size_t>(chosen)].Removable)
    return {};
  const THistoryEntry& install = *packs[static_cast<std::size_t>(chosen)].Entry;
  TFileTransaction planned; // what it does, committed once the user agrees
  TFilesRead read;
  const TOutcome<TPackRemoval> removal =
      StagePackRemoval(planned, read, history, FList.Game(), install.Id);
  if (!removal) {
    FPrompts.Tell(MessageText(removal.ErrorMessage(), FromList));
    return {};
  }
  if (!ConfirmRemoval(install.Subject, removal.Value()))
    return {};
  // Taken out as planned, unless a file of it changed since.
  const bool removed = FList.Run(CommandNames::RemovePack, install.Subject, [&](TSession& session) {
    RemovePlannedPack(session, planned, read, removal.Value(), install.Id);
    return true;
  });
  if (!removed)
    return {};
  FList.ReadAgain();
  return tr("Pack taken out: %1").arg(FromList(install.Subject));
}

bool TPackCommands::ConfirmRemoval(const std::string& pack, const TPackRemoval& removal) {
  int entries = 0, removed = 0, restored = 0;
  QStringList kept;
  for (const TPackRemovalStep& step : removal.Steps)
    switch (step.Action) {
    case TPackRemovalStep::RemoveEntry:
      ++entries;
      break;
    case TPackRemovalStep::RemoveFile:
      ++removed;
      break;
    case TPackRemovalStep::RestoreFile:
      ++restored;
      break;
    default:
      kept << tr("%1 (%2)").arg(PathText(step.File), MessageText(*step.Reason, FromList));
    }
  QString text = tr("Take the pack \"%1\" out? It takes %2 entries out of the lists, removes "
                    "%3 files and puts back %4 files it replaced.")
                     .arg(FromList(pack))
                     .arg(entries)
                     .arg(removed)
                     .arg(restored);
  if (!kept.isEmpty())
    text += QLatin1Char(' ') + tr("These files stay as they are: %1.").arg(kept.join(tr("; ")));
  return FPrompts.Ask(tr("Remove Pack"),
                      text + QLatin1Char(' ') + tr("Edit > Undo takes it back."));
}

QString TPackCommands::Build(const TMissionNode& branch, const std::string& chosen,
                             TMissionType type, TGender side) {
  if (chosen.empty())
    return {};
  const std::string archive = WithPackExtension(chosen);
  if (FileExists(archive) &&
      !FPrompts.Ask(tr("Confirm"),
                    tr("The pack \"%1\" already exists. Replace it?").arg(PathText(archive))))
    return {};

  FreePackageItems(FItems);
  std::vector<std::string> leftOut;
  const std::vector<TPackNode> nodes = FList.Document()->PackBranch(branch);
  FItems = TBackgroundWork(&FOwner, tr("Collecting the pack's missions..."), 0).Run([&] {
    return CollectPackageItems(nodes, FList.Game(), type, side, leftOut);
  });
  if (!leftOut.empty())
    FPrompts.Tell(MessageText(LeftOutMessage(leftOut), FromList));
  if (!FPrompts.EditPackList(FItems))
    return {};
  TArchiveProgress progress(&FOwner, FZip, tr("Building the pack..."),
                            static_cast<int>(FItems.size()));
  const TOutcome<> built =
      progress.Run([&] { return BuildPack(FZip, FList.Game(), type, FItems, archive); });
  if (!built) { // a Cancel that came after the pack was written leaves it, and says so
    if (progress.Cancelled())
      return tr("Building the pack was cancelled; nothing was written.");
    FPrompts.Tell(MessageText(built.ErrorMessage(), PathText));
    return {};
  }
  std::set<std::string> missions;
  for (const TPackageItem& item : FItems)
    if (IsMission(item.Kind))
      missions.insert(LowerCaseAscii(item.FileName));
  const QString name = PathText(ExtractFileName(archive));
  return missions.size() == 1
             ? tr("Pack written: %1, 1 mission").arg(name)
             : tr("Pack written: %1, %2 missions").arg(name, QString::number(missions.size()));
}

} // namespace flightdeck
