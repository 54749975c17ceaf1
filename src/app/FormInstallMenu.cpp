// SPDX-License-Identifier: GPL-3.0-or-later
// The form's handlers of the Install menu (a single mission, packs) and of the File menu.

#include "app/Application.h"
#include "app/ListText.h"
#include "app/MissionView.h"
#include "app/TixoFlightdeckForm.h"
#include "platform/FileSystem.h"
#include "platform/PathNames.h"
#include "widgets/PathText.h"

#include "journal/CommandNames.h"
#include "widgets/BevelPanel.h"
#include <QLineEdit>

namespace flightdeck {

QString TixoFlightdeckForm::PackFilter() {
  return tr("Ixo Mission Packs (*.ixo)|*.ixo|All formats...|*.*");
}

void TixoFlightdeckForm::mInstallPackClick() {
  OpenDialog = {OnDiskFolder(CategoryDirectory()), tr("Select an Ixo Mission Pack to Install..."),
                PackFilter(), QStringLiteral("ixo"), true};
  InstallPackFile(ProgramPath(FEnvironment.Prompts->OpenFile(OpenDialog)));
}

void TixoFlightdeckForm::InstallPackFile(const std::string& chosen) {
  TMissionType type = FMissionType;
  TGender side = FGender;
  const QString said = FPacks->Install(chosen, type, side);
  // The list the pack went into is shown.
  if (type != FMissionType)
    ShowMissionType(type);
  if (side != FGender)
    ChangeSide(side);
  if (!said.isEmpty())
    ApplicationHint(said);
}

void TixoFlightdeckForm::mnuBuildPakClick() {
  TMissionNode* selected = SelectedNode();
  if (!selected || selected->Children.empty())
    return;
  OpenDialog = {OnDiskFolder(CategoryDirectory()), tr("Save Package As..."), PackFilter(),
                QStringLiteral("ixo"), false};
  const QString written = FPacks->Build(
      *selected, ProgramPath(FEnvironment.Prompts->OpenFile(OpenDialog)), FMissionType, FGender);
  if (!written.isEmpty())
    ApplicationHint(written);
}

void TixoFlightdeckForm::mInstallMissionClick() {
  OpenDialog = {OnDiskFolder(MissionDirectory()), tr("Select a TIE Mission File to Install..."),
                tr("X-wing vs. TIE Fighter Mission files (*.tie)|*.tie|All formats...|*.*"),
                QStringLiteral("tie"), true};
  InstallMissionFile(ProgramPath(FEnvironment.Prompts->OpenFile(OpenDialog)));
}

void TixoFlightdeckForm::InstallMissionFile(const std::string& chosen) {
  TMissionNode* parent =
      FList->Document() ? FList->Document()->MissionParentOf(SelectedNode()) : nullptr;
  const std::optional<TMissionInstallCommands::TAddedMission> added =
      FMissionInstall->Install(chosen, FMissionType, parent);
  if (!added)
    return;
  // The entry is written, with the copy and the Combat lists, once the user has given its label.
  Select(added->Node);
  ApplicationHint(tr("Mission added to %1").arg(FromList(parent->Label())));
  ShowEntryNumber(QString::number(added->Node->Record.Number));
  ShowNextNumberButtonClick(this);
  AwaitLabel({CommandNames::InstallMission, added->Node, true, added->Stage});
}

void TixoFlightdeckForm::mFileNewClick() {
  ShowFileTitlePanel->SetCaption({});
}

void TixoFlightdeckForm::mFileOpenClick() {
  if (!FEnvironment.Prompts->OpenFile(OpenDialog).isEmpty())
    ShowFileTitlePanel->SetCaption({});
}

void TixoFlightdeckForm::mFileEditClick() {
  const TMissionNode* selected = SelectedNode();
  if (!selected)
    return;
  const std::string& fileName = selected->Record.FileName;
  if (FileExists(MissionDirectory() + fileName)) {
    ShowFileTitlePanel->SetCaption({});
    return;
  }
  const std::string_view directory = MissionTypeDir(SingleMissionType());
  Tell(tr("Unable to locate TIE mission file \"%1\" in %2 directory.")
           .arg(FromList(fileName),
                QString::fromLatin1(directory.data(), static_cast<int>(directory.size()) - 1)));
}

} // namespace flightdeck
