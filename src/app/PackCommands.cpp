// Installing and building mission packs.

#include "app/Application.h"
#include "app/ArchiveProgress.h"
#include "app/ListText.h"
#include "app/TixoFlightdeckForm.h"
#include "packs/InstallScript.h"
#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"
#include "platform/PathNames.h"
#include "services/PackBuild.h"
#include "services/PackInstall.h"

#include <optional>
#include <set>

namespace flightdeck {

namespace {

const QString PackFilter = QStringLiteral("Ixo Mission Packs (*.ixo)|*.ixo|All formats...|*.*");

} // namespace

void TixoFlightdeckForm::ZipManagerListing(TZipArchiver&, const TZipFileStats& fileStats) {
  FPackListing.push_back(fileStats.FileName);
}

void TixoFlightdeckForm::mInstallPackClick() {
  OpenDialog = {OnDiskFolder(CategoryDirectory()),
                QStringLiteral("Select an Ixo Mission Pack to Install..."), PackFilter,
                QStringLiteral("ixo"), true};
  InstallPackFile(FEnvironment.Prompts->OpenFile(OpenDialog).toStdString());
}

void TixoFlightdeckForm::InstallPackFile(const std::string& chosen) {
  if (chosen.empty() || !FileExists(chosen) || !FList->Document())
    return;
  FPackListing.clear();
  ZipManager.ZipFileName = chosen;
  {
    const TArchiveProgress progress(this, ZipManager, QStringLiteral("Reading the pack..."), 0);
    if (ZipManager.ListFiles() != 0 && FPackListing.empty()) {
      Tell(QStringLiteral("The pack \"") + QString::fromStdString(chosen) +
           QStringLiteral("\" cannot be read: ") + QString::fromStdString(ZipManager.LastError()));
      return;
    }
  }
  // The user sees what the pack will change, and answers every question, before the game is
  // locked; then its missions and every list it extends go in together, as one command.
  TOutcome<TPackPlan> plan = TOutcome<TPackPlan>::Failure({});
  {
    const TArchiveProgress progress(this, ZipManager, QStringLiteral("Reading the pack..."),
                                    static_cast<int>(FPackListing.size()));
    plan = PlanPackInstall(ZipManager, FPackListing, FXvTPath, FMissionType, FGender);
  }
  if (plan && (!ConfirmPackPlan(chosen, plan.Value()) || !ConfirmGroupsAgain(plan.Value().Items)))
    return;
  TPackFiles pack = TPackFiles::Failure({});
  if (plan && !FList->Run("install-pack", ExtractFileName(chosen), [&](TSession& session) {
        const TArchiveProgress progress(this, ZipManager,
                                        QStringLiteral("Extracting the missions..."),
                                        static_cast<int>(FPackListing.size()));
        pack = InstallPack(session, ZipManager, FPackListing, FMissionType, FGender);
        return pack.Ok(); // nothing of a pack that cannot go in whole
      }))
    return;
  const TPackFiles& outcome = plan ? pack : TPackFiles::Failure(plan.Error());
  QString notes;
  for (const std::string& note : outcome.Notes)
    notes += (notes.isEmpty() ? QString() : QStringLiteral("\n")) + FromList(note);
  if (!notes.isEmpty())
    Tell(notes);
  if (!outcome) {
    Tell(FromList(outcome.Error()));
    return;
  }
  BuildMissionTreeView();
  ApplicationHint(FromList(PackInstallSummary(outcome.Value(), FGender)));
}

bool TixoFlightdeckForm::ConfirmPackPlan(const std::string& chosen, const TPackPlan& plan) {
  QStringList lines;
  for (const TPlannedEntry& entry : plan.Entries) {
    // "Engagement "Dawn" (d1.tie)"; a battle's mission, titled in the Combat list, by its file.
    const QString title = entry.Title.empty()
                              ? QString()
                              : QStringLiteral(" \"") + FromList(entry.Title) + QLatin1Char('"');
    const QString file = entry.File.empty() ? QString() : FromList(entry.File);
    lines << QString::fromStdString(entry.List) + QStringLiteral(": ") +
                 QString::fromLatin1(ListItemKindName(entry.Kind).data()) + title +
                 (file.isEmpty()    ? QString()
                  : title.isEmpty() ? QLatin1Char(' ') + file
                                    : QStringLiteral(" (") + file + QLatin1Char(')'));
  }
  for (const TPlannedFile& file : plan.Files)
    lines << (file.Replaces ? QStringLiteral("Replaces ") : QStringLiteral("Adds ")) +
                 QString::fromStdString(file.File);
  return FEnvironment.Prompts->ConfirmPackPlan(QString::fromStdString(ExtractFileName(chosen)),
                                               lines);
}

bool TixoFlightdeckForm::ConfirmGroupsAgain(const std::vector<TPackageItem>& items) {
  QStringList listed;
  for (const TMissionNode* node : FList->Document()->Nodes())
    if (IsGroupHeader(node->Record.Kind) || HasBattleFile(node->Record.Kind))
      listed << FromList(node->Label);
  QStringList again;
  for (const std::string& title : PackGroupTitles(items, FGender))
    if (listed.contains(FromList(title)) && !again.contains(FromList(title)))
      again << QLatin1Char('"') + FromList(title) + QLatin1Char('"');
  if (again.isEmpty())
    return true;
  return Ask(QStringLiteral("Confirm"),
             QStringLiteral("The list already holds ") + again.join(QStringLiteral(", ")) +
                 QStringLiteral(". Add the pack's entries a second time?")) == TMessageResult::Yes;
}

void TixoFlightdeckForm::mnuBuildPakClick() {
  TMissionTreeItem* selected = SelectedNode();
  if (!selected || selected->childCount() == 0)
    return;
  OpenDialog = {OnDiskFolder(CategoryDirectory()), QStringLiteral("Save Package As..."), PackFilter,
                QStringLiteral("ixo"), false};
  const std::string chosen = FEnvironment.Prompts->OpenFile(OpenDialog).toStdString();
  if (chosen.empty())
    return;
  const std::string archive = WithPackExtension(chosen);
  if (FileExists(archive) &&
      Ask(QStringLiteral("Confirm"),
          QStringLiteral("The pack \"") + QString::fromStdString(archive) +
              QStringLiteral("\" already exists. Replace it?")) != TMessageResult::Yes)
    return;

  FreePackageItems(PackageItems);
  std::vector<std::string> leftOut;
  PackageItems = CollectPackageItems(FList->Document()->PackBranch(selected->Node()), FXvTPath,
                                     FMissionType, FGender, leftOut);
  if (!leftOut.empty())
    Tell(FromList(LeftOutMessage(leftOut)));
  if (!FEnvironment.Prompts->EditPackList(PackageItems))
    return;
  const TOutcome<> built = [&] {
    const TArchiveProgress progress(this, ZipManager, QStringLiteral("Building the pack..."),
                                    static_cast<int>(PackageItems.size()));
    return BuildPack(ZipManager, FXvTPath, FMissionType, PackageItems, archive);
  }();
  if (!built) {
    Tell(QString::fromStdString(built.Error()));
    return;
  }
  std::set<std::string> missions;
  for (const TPackageItem& item : PackageItems)
    if (IsMission(item.Kind))
      missions.insert(LowerCaseAscii(item.FileName));
  ApplicationHint(
      QStringLiteral("Pack written: ") + QString::fromStdString(ExtractFileName(archive)) +
      QStringLiteral(", ") + QString::number(missions.size()) +
      (missions.size() == 1 ? QStringLiteral(" mission") : QStringLiteral(" missions")));
}

} // namespace flightdeck
