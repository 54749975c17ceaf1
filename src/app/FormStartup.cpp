// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, close, settings and the game directory.

#include "app/Application.h"
#include "app/CoreText.h"
#include "app/Prompts.h"
#include "app/TixoFlightdeckForm.h"
#include "journal/HistorySettings.h"
#include "lists/MissionTypes.h"
#include "packs/InstallScript.h"
#include "platform/FileSystem.h"
#include "platform/ProfileFile.h"
#include "services/GameFinder.h"
#include "services/GamePlaces.h"
#include "widgets/FolderBrowseDlg.h"
#include "widgets/PathText.h"

#include "widgets/BevelPanel.h"
#include "widgets/FlatSpeedButton.h"
#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTabBar>

#include <algorithm>
#include <stdexcept>

namespace flightdeck {

namespace {

constexpr std::string_view Section = SettingsSection;
constexpr int FormWidth = 370;
constexpr int DefaultHeight = 410;

} // namespace

TixoFlightdeckForm::TixoFlightdeckForm(const TFormEnvironment& environment, QWidget* parent)
    : QMainWindow(parent), FEnvironment(environment) {
  setObjectName(QStringLiteral("ixoFlightdeckForm"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  FList = new TListController(*this, this);
  FHistory = std::make_unique<THistoryCommands>(*FList, *FEnvironment.Prompts, *this);
  FProblems = std::make_unique<TProblemCommands>(*FList, *FEnvironment.Prompts, *this);
  FPacks = std::make_unique<TPackCommands>(*FList, *FEnvironment.Prompts, *this);
  FMissionInstall = std::make_unique<TMissionInstallCommands>(*FList, *FEnvironment.Prompts);
  FEdits = std::make_unique<TEditCommands>(*FList, *FEnvironment.Prompts);
  FNumbers = std::make_unique<TNumberCommands>(*FList, *FEnvironment.Prompts);
  CreateControls();
  // As narrow as it is wide, or as its menus and tabs need in the language and font shown; as
  // low as the tool bar, the tabs and the status bar allow, with the tree shrinking first.
  FWidth = std::max({FormWidth, menuBar()->sizeHint().width(),
                     MissionTypeTabSet->sizeHint().width() + 2 * MissionViewPanel->BorderWidth()});
  setMinimumWidth(FWidth); // it may be widened, for long titles and messages
  TixoApplication::Instance()->RunGuarded([this] { FormCreate(); });
  FMissionView->setFocus(); // the keys move through the list at once
}

TixoFlightdeckForm::~TixoFlightdeckForm() {
  // The tree lives on while the window's base classes go: it must not call back into the
  // window from then on (an open label editor commits as it closes).
  FMissionView->AcceptLabel = nullptr;
  FMissionView->AcceptFiles = nullptr;
  FMissionView->disconnect(this);
  FModel->LabelTyped = nullptr;
  FModel->SetDocument(nullptr); // the list controller and its document go first
}

void TixoFlightdeckForm::FormCreate() {
  FIniFileName = ProgramPath(FEnvironment.SettingsFileName);
  const TProfileFile settings(FIniFileName);
  PlaceWindow(settings.ReadInteger(Section, "Left", 0), settings.ReadInteger(Section, "Top", 0),
              settings.ReadInteger(Section, "Height", DefaultHeight));
  FXvTPath = settings.ReadString(Section, "MPath", "");
  FList->SetHistoryPlace(HistoryPlaceOf(settings));
  SetXvTPathHint();
  FGender = gnNeutral;
  FMissionView->SetPlaceholder(tr("Choose the folder where X-wing vs. TIE Fighter is installed:\n"
                                  "File > Set XvT Directory"));
  if (!FXvTPath.empty() && IsXvTDirectory(FXvTPath)) {
    FList->OpenGame(FXvTPath);
    FMissionView->SetPlaceholder({});
    EnableMissionCommands(true);
    FTreeState = tsBuilding;
    // Values from a damaged settings file fall back to the first tab and side.
    const int side = settings.ReadInteger(Section, "Gender", gnNeutral);
    FGender = side >= gnNeutral && side <= gnImperial ? static_cast<TGender>(side) : gnNeutral;
    SetSideControls(FGender);
    const int missionType = settings.ReadInteger(Section, "MType", mtBattles);
    const int tab = missionType >= 0 && missionType < MissionTypeCount ? missionType : mtBattles;
    ShowMissionType(static_cast<TMissionType>(tab));
  }
  FTreeState = tsIdle;
  setWindowTitle(ApplicationTitle);
}

void TixoFlightdeckForm::PlaceWindow(int left, int top, int height) {
  // The window lies wholly on the screen it overlaps most (the primary one when it overlaps
  // none, a monitor that is gone): a stored size or place from elsewhere is clamped to it.
  const int lowest = minimumSizeHint().height();
  const QRect wanted(QPoint(left, top), QSize(FWidth, std::max(height, lowest)));
  QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  long long best = 0;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect overlap = screen->availableGeometry().intersected(wanted);
    const long long size = static_cast<long long>(overlap.width()) * overlap.height();
    if (!overlap.isEmpty() && size > best) {
      best = size;
      area = screen->availableGeometry();
    }
  }
  // Before the window is first shown its frame is not known yet: allow for a usual title bar.
  const QMargins frame = frameGeometry() != geometry()
                             ? QMargins(geometry().left() - frameGeometry().left(),
                                        geometry().top() - frameGeometry().top(),
                                        frameGeometry().right() - geometry().right(),
                                        frameGeometry().bottom() - geometry().bottom())
                             : QMargins(4, 30, 4, 4);
  const int clampedHeight = std::clamp(
      wanted.height(), lowest, std::max(lowest, area.height() - frame.top() - frame.bottom()));
  resize(FWidth, clampedHeight);
  // A window's position is that of its frame.
  const int frameWidth = FWidth + frame.left() + frame.right();
  const int frameHeight = clampedHeight + frame.top() + frame.bottom();
  move(std::clamp(left, area.left(), std::max(area.left(), area.right() + 1 - frameWidth)),
       std::clamp(top, area.top(), std::max(area.top(), area.bottom() + 1 - frameHeight)));
}

void TixoFlightdeckForm::closeEvent(QCloseEvent* event) {
  FList->SettleSaving();
  TixoApplication::Instance()->RunGuarded([this] { FormDestroy(); });
  event->accept();
}

void TixoFlightdeckForm::FormDestroy() {
  FTreeState = tsReleasing;
  if (!WriteSettings())
    throw std::runtime_error(
        tr("Unable to write to %1").arg(QString::fromStdString(FIniFileName)).toStdString());
}

void TixoFlightdeckForm::KeepSettings() {
  // Not while the window is made from the settings; a failure is told when the window closes.
  if (isVisible() && FTreeState == tsIdle)
    (void)WriteSettings();
}

bool TixoFlightdeckForm::WriteSettings() const {
  const TProfileFile settings(FIniFileName);
  const auto write = [&](const char* key, const std::string& value) {
    return settings.WriteString(Section, key, value);
  };
  return write("Top", std::to_string(y())) && write("Left", std::to_string(x())) &&
         write("Height", std::to_string(height())) &&
         // A game folder no settings line can hold is not kept: the one before stays.
         (!TProfileFile::CanHold(FXvTPath) || FXvTPath.empty() || write("MPath", FXvTPath)) &&
         write("MType", std::to_string(MissionTypeTabSet->currentIndex())) &&
         write("Gender", std::to_string(FGender));
}

void TixoFlightdeckForm::mFileExitClick() {
  close();
}

void TixoFlightdeckForm::mFileSetXvTDirectoryClick() {
  // The games found come first among the places, then where games usually live.
  std::vector<TFolderBrowseDlg::TPlace> places;
  for (const TFoundGame& game : GamesFound())
    places.push_back(
        {tr("Game found (%1)").arg(QString::fromStdString(game.Source)), PathText(game.Path)});
  for (const TGamePlace& place : GamePlaces(ProgramPath(FEnvironment.HomeFolder),
                                            ProgramPath(qEnvironmentVariable("WINEPREFIX"))))
    places.push_back(
        {CoreText("Place", place.Kind) +
             (place.Name.empty() ? QString() : QLatin1Char(' ') + PathText(place.Name)),
         PathText(place.Folder)});
  BrowseDirDialog->SetPlaces(std::move(places));
  // It opens on the game shown, else on the home folder.
  BrowseDirDialog->SetSelection(FXvTPath.empty() ? FEnvironment.HomeFolder
                                                 : OnDiskFolder(FXvTPath));
  BrowseDirDialog->SetCaption(tr("Browse..."));
  BrowseDirDialog->SetStatusText(tr("Select your \"X-wing vs. TIE Fighter\" directory."));
  if (!FEnvironment.Prompts->ExecuteFolderDialog(*BrowseDirDialog))
    return;
  // Kept as chosen: the lookup finds the game's folders in any case.
  OpenGameDirectory(ProgramPath(BrowseDirDialog->Selection()));
}

void TixoFlightdeckForm::OpenGameDirectory(const std::string& path) {
  if (!IsXvTDirectory(path + (path.empty() || path.back() == '/' ? "" : "/"))) {
    Tell(tr("The specified path for \"X-wing vs. TIE Fighter\" is invalid, please select "
            "another path."));
    return;
  }
  UseXvTDirectory(path);
}

void TixoFlightdeckForm::UseXvTDirectory(const std::string& path) {
  FXvTPath = path;
  if (FXvTPath.back() != '/' && FXvTPath.back() != '\\')
    FXvTPath += '/';
  FList->OpenGame(FXvTPath); // the game is shown as it is on disk, whole
  FMissionView->SetPlaceholder({});
  EnableMissionCommands(true);
  SetSideControls(gnNeutral);
  FGender = gnNeutral;
  // The old tree went back to the old directory; nothing is written into the new one.
  FTreeState = tsBuilding;
  ShowMissionType(mtBattles);
  FTreeState = tsIdle;
  KeepSettings();
  SetXvTPathHint();
  FMissionView->setFocus(); // it was disabled until now
}

std::vector<TFoundGame> TixoFlightdeckForm::GamesFound() const {
  return FindGames(ProgramPath(FEnvironment.HomeFolder),
                   ProgramPath(qEnvironmentVariable("WINEPREFIX")));
}

void TixoFlightdeckForm::ShowMissionType(TMissionType type) {
  // The tab strip reports only a change of tab; the category change must run in any case.
  if (MissionTypeTabSet->currentIndex() == type)
    MissionTypeTabSetChange();
  else
    MissionTypeTabSet->setCurrentIndex(type);
}

void TixoFlightdeckForm::EnableMissionCommands(bool enable) {
  FMissionCommandsEnabled = enable;
  for (QWidget* control : std::initializer_list<QWidget*>{
           MissionViewPanel, InstallMissionBtn, InstallPackBtn, ShowNextNumberButton,
           GenderNeutralBtn, GenderRebelBtn, GenderImperialBtn, MissionNumberEB})
    control->setEnabled(enable);
  for (QAction* item : {mInstallMission, mInstallPack, mnuAddPack, mMissionGenderNeutral,
                        mMissionGenderRebel, mMissionGenderImperial})
    item->setEnabled(enable);
  mInstall->setEnabled(enable);
  mMissionGender->setEnabled(enable);
  for (QAction* item : {mSearchFind, mSearchAgain, mSearchProblems})
    item->setEnabled(enable);
  mSearch->setEnabled(enable);
  RefreshUndoActions();
}

void TixoFlightdeckForm::RefreshUndoActions() {
  const THistoryCommands::TCaptions captions =
      FMissionCommandsEnabled ? FHistory->Captions() : THistoryCommands::TCaptions{};
  mEditUndo->setEnabled(!captions.Undo.isEmpty());
  mEditUndo->setText(captions.Undo.isEmpty() ? tr("&Undo") : captions.Undo);
  mEditRedo->setEnabled(!captions.Redo.isEmpty());
  mEditRedo->setText(captions.Redo.isEmpty() ? tr("&Redo") : captions.Redo);
  for (QAction* item : {mEditHistory, mEditMoveUp, mEditMoveDown})
    item->setEnabled(FMissionCommandsEnabled);
}

void TixoFlightdeckForm::ChangeRecorded() {
  // There is something to undo now; what it is, the menu reads from the history when it opens.
  mEditUndo->setEnabled(true);
}

void TixoFlightdeckForm::SetXvTPathHint() {
  // Only this button shows a tooltip: the game directory.
  XvTPathBtn->setToolTip(FXvTPath.empty() ? QString() : OnDiskFolder(FXvTPath) + QDir::separator());
  XvTPathBtn->setStatusTip(tr("Set your XvT Directory"));
}

void TixoFlightdeckForm::SetSideControls(TGender side) {
  TFlatSpeedButton* buttons[] = {GenderNeutralBtn, GenderRebelBtn, GenderImperialBtn};
  QAction* items[] = {mMissionGenderNeutral, mMissionGenderRebel, mMissionGenderImperial};
  buttons[side - gnNeutral]->SetDown(true);
  items[side - gnNeutral]->setChecked(true);
}

void TixoFlightdeckForm::ApplicationHint(const QString& hint) {
  ShowFileTitlePanel->SetCaption(QLatin1Char(' ') + hint);
}

bool TixoFlightdeckForm::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    ApplicationHint(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QMainWindow::event(event);
}

} // namespace flightdeck
