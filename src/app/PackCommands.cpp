// SPDX-License-Identifier: GPL-3.0-or-later
// Installing and building mission packs.

#include "app/PackCommands.h"

#include "app/Application.h"
#include "app/BackgroundWork.h"
#include "app/CoreText.h"
#include "app/ListText.h"
#include "packs/InstallScript.h"
#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"
#include "platform/PathNames.h"
#include "services/PackBuild.h"
#include "services/PackInstall.h"
#include "widgets/PathText.h"

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

QString TPackCommands::Install(const std::string& chosen, TMissionType type, TGender side) {
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
  // The user sees what the pack will change, and answers every question, before the game is
  // locked; then its missions and every list it extends, staged with the plan, go in together
  // as one command, unless a list changed meanwhile.
  TFileTransaction staging;
  TFilesRead read;
  TOutcome<TPackPlan> plan = TOutcome<TPackPlan>::Failure({});
  {
    TArchiveProgress progress(&FOwner, FZip, tr("Extracting the missions..."),
                              static_cast<int>(FListing.size()));
    plan = progress.Run(
        [&] { return PlanPackInstall(staging, read, FZip, FListing, FList.Game(), type, side); });
    // Nothing is written yet: a window closed meanwhile closes without it.
    if (progress.Cancelled() || progress.CloseRequested())
      return tr("Installing the pack was cancelled; nothing was changed.");
  }
  if (!plan) {
    FPrompts.Tell(MessageText(plan.ErrorMessage(), FromList));
    return {};
  }
  if (!ConfirmPlan(chosen, plan.Value()) || !ConfirmGroupsAgain(plan.Value().Items, side))
    return {};
  if (!FList.Run("install-pack", ExtractFileName(chosen), [&](TSession& session) {
        InstallPlannedPack(session, staging, read);
        return true;
      }))
    return {};
  QString notes;
  for (const TMessage& note : plan.Value().Notes)
    notes += (notes.isEmpty() ? QString() : QStringLiteral("\n")) + MessageText(note, FromList);
  if (!notes.isEmpty())
    FPrompts.Tell(notes);
  FList.ReadAgain();
  return MessageText(PackInstallSummary(plan.Value().Items, side), FromList);
}

bool TPackCommands::ConfirmPlan(const std::string& chosen, const TPackPlan& plan) {
  QStringList lines;
  for (const TPlannedEntry& entry : plan.Entries) {
    // "Engagement "Dawn" (d1.tie)"; a battle's mission, titled in the Combat list, by its file.
    const QString title = entry.Title.empty()
                              ? QString()
                              : QStringLiteral(" \"") + FromList(entry.Title) + QLatin1Char('"');
    const QString file = entry.File.empty() ? QString() : FromList(entry.File);
    lines << QString::fromStdString(entry.List) + QStringLiteral(": ") + KindName(entry.Kind) +
                 title +
                 (file.isEmpty()    ? QString()
                  : title.isEmpty() ? QLatin1Char(' ') + file
                                    : QStringLiteral(" (") + file + QLatin1Char(')'));
  }
  for (const TPlannedFile& file : plan.Files)
    lines << (file.Replaces ? tr("Replaces %1") : tr("Adds %1"))
                 .arg(QString::fromStdString(file.File));
  return FPrompts.ConfirmPackPlan(PathText(ExtractFileName(chosen)), lines);
}

bool TPackCommands::ConfirmGroupsAgain(const std::vector<TPackageItem>& items, TGender side) {
  QStringList listed;
  for (const TMissionNode* node : FList.Document()->Nodes())
    if (IsGroupHeader(node->Record.Kind) || HasBattleFile(node->Record.Kind))
      listed << FromList(node->Label());
  QStringList again;
  for (const std::string& title : PackGroupTitles(items, side))
    if (listed.contains(FromList(title)) && !again.contains(FromList(title)))
      again << QLatin1Char('"') + FromList(title) + QLatin1Char('"');
  return again.isEmpty() ||
         FPrompts.Ask(tr("Confirm"),
                      tr("The list already holds %1. Add the pack's entries a second time?")
                          .arg(again.join(tr(", "))));
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
