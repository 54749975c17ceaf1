// Installing a single mission, the form's handlers of the pack commands, and the other commands
// of the File menu.

#include "app/Application.h"
#include "app/ListText.h"
#include "app/MissionView.h"
#include "app/TixoFlightdeckForm.h"
#include "platform/FileSystem.h"
#include "platform/PathNames.h"
#include "services/MissionInstall.h"

#include "widgets/BevelPanel.h"
#include <QLineEdit>

namespace flightdeck {

namespace {

const QString PackFilter = QStringLiteral("Ixo Mission Packs (*.ixo)|*.ixo|All formats...|*.*");

} // namespace

void TixoFlightdeckForm::mInstallPackClick() {
  OpenDialog = {OnDiskFolder(CategoryDirectory()),
                QStringLiteral("Select an Ixo Mission Pack to Install..."), PackFilter,
                QStringLiteral("ixo"), true};
  InstallPackFile(FEnvironment.Prompts->OpenFile(OpenDialog).toStdString());
}

void TixoFlightdeckForm::mnuBuildPakClick() {
  TMissionTreeItem* selected = SelectedNode();
  if (!selected || selected->childCount() == 0)
    return;
  OpenDialog = {OnDiskFolder(CategoryDirectory()), QStringLiteral("Save Package As..."), PackFilter,
                QStringLiteral("ixo"), false};
  const QString written =
      FPacks->Build(selected->Node(), FEnvironment.Prompts->OpenFile(OpenDialog).toStdString(),
                    FMissionType, FGender);
  if (!written.isEmpty())
    ApplicationHint(written);
}

void TixoFlightdeckForm::mInstallMissionClick() {
  OpenDialog = {
      OnDiskFolder(MissionDirectory()), QStringLiteral("Select a TIE Mission File to Install..."),
      QStringLiteral("X-wing vs. TIE Fighter Mission files (*.tie)|*.tie|All formats...|*.*"),
      QStringLiteral("tie"), true};
  InstallMissionFile(FEnvironment.Prompts->OpenFile(OpenDialog).toStdString());
}

void TixoFlightdeckForm::InstallMissionFile(const std::string& chosen) {
  if (chosen.empty() || !FileExists(chosen) || !FList->Document())
    return;

  // The questions first, with nothing locked; then the copy and the lists the install extends
  // go in together, as one command.
  const TMissionCopy copy = PlanMissionCopy(FXvTPath, FMissionType, chosen);
  bool copied = false;
  if (copy.Question == TCopyQuestion::Replace)
    copied = Ask(QStringLiteral("Warning"),
                 QStringLiteral("Another TIE mission with the same file name already exists.  "
                                "Would you like to replace it?")) == TMessageResult::Yes;
  else if (copy.Question == TCopyQuestion::PlaceCopy)
    copied = Ask(QStringLiteral("Confirm"),
                 QStringLiteral("The specified TIE mission does not exist in the correct mission "
                                "directory.  Would you "
                                "like to place a copy in the correct directory?")) ==
             TMessageResult::Yes;
  if (!copied && !FileExists(copy.Target))
    return;

  TMissionNode* parent = FList->Document()->MissionParentOf(SelectedTreeNode());
  const auto stageCopy = [copied, copy](TSession& session) {
    if (copied)
      session.Files().StageCopy(copy.Source, copy.Target);
  };
  if (!parent) {
    // The copy goes in alone; say why no entry came with it.
    if (FList->Run("install-mission", ExtractFileName(chosen), [&](TSession& session) {
          stageCopy(session);
          return true;
        }))
      Tell(QStringLiteral(
               "The mission file is in place, but no entry was added for it: select the ") +
           QString::fromLatin1(ListItemKindName(InstallParentKind(FMissionType)).data()) +
           QStringLiteral(" to add it to, or one of its missions, and install it again."));
    return;
  }

  // The entry is written, with the copy and the Combat lists, once the user has given its label;
  // a mission the Combat lists name already starts from the title they give it.
  TMissionNode& mission = FList->Document()->AddMission(*parent, copy.Target);
  if (const std::optional<std::string> title = CombatTitleOf(FXvTPath, copy.Target))
    (void)FList->Document()->Rename(mission, *title);
  TMissionTreeItem* item = MakeItem(mission);
  ItemOf(parent)->addChild(item);
  FMissionView->setCurrentItem(item);
  ApplicationHint(QStringLiteral("Mission added to ") + FromList(parent->Label));
  MissionNumberEB->setText(QString::number(mission.Record.Number));
  ShowNextNumberButtonClick(this);
  const bool combat = FMissionType == mtBattles || FMissionType == mtCombat;
  AwaitLabel(item, {"install-mission", &mission, true,
                    [stageCopy, combat, record = mission.Record,
                     group = parent->Label](TSession& session) {
                      stageCopy(session);
                      if (combat)
                        AddMissionToCombatLists(session, record, group);
                    }});
}

QTreeWidgetItem* TixoFlightdeckForm::MissionParentOf(QTreeWidgetItem* node) const {
  const auto* item = static_cast<const TMissionTreeItem*>(node);
  return item ? ItemOf(FList->Document()->MissionParentOf(&item->Node())) : nullptr;
}

void TixoFlightdeckForm::mFileNewClick() {
  ShowFileTitlePanel->SetCaption({});
}

void TixoFlightdeckForm::mFileOpenClick() {
  if (!FEnvironment.Prompts->OpenFile(OpenDialog).isEmpty())
    ShowFileTitlePanel->SetCaption({});
}

void TixoFlightdeckForm::mFileEditClick() {
  const TMissionNode* selected = SelectedTreeNode();
  if (!selected)
    return;
  const std::string& fileName = selected->Record.FileName;
  if (FileExists(MissionDirectory() + fileName)) {
    ShowFileTitlePanel->SetCaption({});
    return;
  }
  const std::string_view directory = MissionTypeDir(SingleMissionType());
  Tell(QStringLiteral("Unable to locate TIE mission file \"") + FromList(fileName) +
       QStringLiteral("\" in ") +
       QString::fromLatin1(directory.data(), static_cast<int>(directory.size()) - 1) +
       QStringLiteral(" directory."));
}

} // namespace flightdeck
