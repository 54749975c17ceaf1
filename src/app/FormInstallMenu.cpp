// SPDX-License-Identifier: GPL-3.0-or-later
// The form's handlers of the Install menu (a single mission, packs) and of the File menu.

#include "app/ListText.h"
#include "app/MissionWords.h"
#include "app/TixoFlightdeckForm.h"
#include "platform/FileSystem.h"
#include "platform/PathNames.h"
#include "widgets/PathText.h"

namespace flightdeck {

QString TixoFlightdeckForm::PackFilter() {
  return tr("Ixo Mission Packs (*.ixo)|*.ixo|All formats...|*.*");
}

void TixoFlightdeckForm::mInstallPackClick() {
  InstallPackFile(ProgramPath(FEnvironment.Prompts->OpenFile(
      {OnDiskFolder(FPanel->CategoryDirectory()), tr("Select an Ixo Mission Pack to Install..."),
       PackFilter(), QStringLiteral("ixo"), true})));
}

void TixoFlightdeckForm::InstallPackFile(const std::string& chosen) {
  TMissionType type = FPanel->MissionType();
  TGender side = FPanel->Side();
  const QString said = FPacks->Install(chosen, type, side);
  // The list the pack went into is shown.
  if (type != FPanel->MissionType())
    FPanel->ShowMissionType(type);
  if (side != FPanel->Side())
    FPanel->ChangeSide(side);
  if (!said.isEmpty())
    FPanel->ShowHint(said);
}

void TixoFlightdeckForm::mnuBuildPakClick() {
  TMissionNode* selected = FPanel->SelectedNode();
  if (!selected || selected->Children.empty())
    return;
  const QString written =
      FPacks->Build(*selected,
                    ProgramPath(FEnvironment.Prompts->OpenFile(
                        {OnDiskFolder(FPanel->CategoryDirectory()), tr("Save Package As..."),
                         PackFilter(), QStringLiteral("ixo"), false})),
                    FPanel->MissionType(), FPanel->Side());
  if (!written.isEmpty())
    FPanel->ShowHint(written);
}

void TixoFlightdeckForm::mInstalledPacksClick() {
  const QString said = FPacks->ShowInstalled();
  if (!said.isEmpty())
    FPanel->ShowHint(said);
}

QString TixoFlightdeckForm::MissionFilter() {
  return tr("X-wing vs. TIE Fighter Mission files (*.tie)|*.tie|All formats...|*.*");
}

void TixoFlightdeckForm::mInstallMissionClick() {
  FPanel->InstallMissionFile(ProgramPath(FEnvironment.Prompts->OpenFile(
      {OnDiskFolder(FPanel->MissionDirectory()), tr("Select a TIE Mission File to Install..."),
       MissionFilter(), QStringLiteral("tie"), true})));
}

void TixoFlightdeckForm::mFileOpenClick() {
  const QString chosen = FEnvironment.Prompts->OpenFile(
      {FPanel->CommandsEnabled() ? OnDiskFolder(FPanel->MissionDirectory())
                                 : FEnvironment.HomeFolder,
       tr("Open a TIE Mission File..."), MissionFilter(), QStringLiteral("tie"), true});
  if (!chosen.isEmpty())
    ShowMissionFile(ProgramPath(chosen));
}

void TixoFlightdeckForm::ShowMissionFile(const std::string& path) {
  FEnvironment.Prompts->ShowMission(
      PathText(ExtractFileName(path)),
      MissionLines(ReadMissionFileOrReason(path, TMissionDepth::Whole)));
}

void TixoFlightdeckForm::mFileEditClick() {
  const TMissionNode* selected = FPanel->SelectedNode();
  if (!selected)
    return;
  const std::string& fileName = selected->Record.FileName;
  if (const std::string path =
          MissionFilePath(FPanel->List().Game(), FPanel->MissionType(), fileName);
      IsMission(selected->Record.Kind) && FileExists(path)) {
    ShowMissionFile(path);
    return;
  }
  const std::string_view directory = MissionTypeDir(SingleMissionType(FPanel->MissionType()));
  Tell(tr("Unable to locate TIE mission file \"%1\" in %2 directory.")
           .arg(FromList(fileName),
                QString::fromLatin1(directory.data(), static_cast<int>(directory.size()) - 1)));
}

} // namespace flightdeck
