// SPDX-License-Identifier: GPL-3.0-or-later
// The window over a long list, offscreen: the time from creating the window to its first
// painted tree (and from the process's launch: what loading the program and making the
// application took, added) and to its marks, the time of each action a user takes in it until the
// view is painted again, the memory the process holds (as a user sees it, nothing trimmed) above an
// empty window, per entry and beyond the list file, once the list is marked and again after ten
// renames, and the processor time the window spends in the second after a rename. Each size is
// measured with the list's mission files present and with them all missing (every entry
// marked).
//
// usage: bench_window [ENTRIES...]   (default: 1000 100000 1000000; each in a process of its
// own, so that one size's memory does not count in the next). The time of flightdeck-cli dump
// of the same list is printed beside the first paint when flightdeck-cli lies beside this.
// Run with TMPDIR=/dev/shm at a million entries: an ext4 file has at most 65,000 links.

#include "BenchPrompts.h"
#include "app/Application.h"
#include "app/Prompts.h"
#include "app/TixoFlightdeckForm.h"
#include "lists/XvTListFile.h"
#include "platform/FreedMemory.h"
#include "support/ListSaving.h"
#include "support/MissionWriter.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QTabBar>
#include <QThreadPool>
#include <QTreeView>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace flightdeck;
using flightdeck::bench::TBenchPrompts;
using TClock = std::chrono::steady_clock;

namespace {

// A game whose Combat list holds `entries` Engagements, a Campaign every 20, with their
// mission files (links to one mission of the game) when `files`, and the settings naming it;
// the path of the settings.
fs::path MakeGame(const fs::path& root, int entries, bool files) {
  for (std::string_view folder : {"battle", "combat", "melee", "tourn", "train"})
    fs::create_directories(root / folder);
  const std::string game = root.string() + "/";
  std::ofstream(root / "mission.tie", std::ios::binary) << test::MakeMission({});
  TXvTListFile list(game, mtCombat, gnNeutral);
  for (int i = 0; i < entries; ++i) {
    if (i % 20 == 0)
      list.Items().push_back(std::make_unique<TListFileItem>(
          TListFileItem{likCampaign, 0, "", "Campaign " + std::to_string(i / 20), {}}));
    const std::string name = "m" + std::to_string(i) + ".tie";
    if (files)
      fs::create_hard_link(root / "mission.tie", root / "combat" / name);
    list.Items().push_back(std::make_unique<TListFileItem>(
        TListFileItem{likEngagement, i, name, "Mission " + std::to_string(i), {}}));
  }
  test::Saved(list);
  std::ofstream(root / "flightdeck.ini") << "[IxoKit]\r\nMPath=" << game << "\r\nMType=1\r\n";
  return root / "flightdeck.ini";
}

// What the process holds, as a user's system monitor shows it.
long ResidentBytes() {
  long pages = 0;
  long resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

double ProcessorSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// How long ago this process started, from the system's record of it (to 1/CLK_TCK s).
double MillisecondsSinceLaunch() {
  std::ifstream stat("/proc/self/stat");
  std::string field;
  std::getline(stat, field, ')');              // the process's name may hold blanks
  for (int at = 3; at <= 22 && stat >> field;) // field 22: the start, in ticks since boot
    ++at;
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  return (static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9 -
          std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK))) *
         1000;
}

double Milliseconds(TClock::time_point since) {
  return std::chrono::duration<double, std::milli>(TClock::now() - since).count();
}

// Runs what is pending, layout included, then paints the tree's visible rows.
void Painted(QAbstractItemView* view) {
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  view->viewport()->repaint();
}

struct TWindow {
  TBenchPrompts Prompts;
  std::unique_ptr<TixoFlightdeckForm> Form;
  QAbstractItemView* View = nullptr;

  TWindow(const fs::path& settings) {
    Form = std::make_unique<TixoFlightdeckForm>(
        TFormEnvironment{QString::fromStdString(settings.string()), &Prompts});
    Form->resize(800, 600);
    Form->show();
    View = Form->Panel()->MissionView();
    Painted(View);
  }
  // The first entry of the `group`th Campaign.
  QModelIndex Entry(int group, int row = 0) const {
    return View->model()->index(row, 0, View->model()->index(group, 0));
  }
};

// The time of `action` alone: an edit before it is written first, as it is beside the window
// while the user moves on.
double Timed(const TWindow& window, const std::function<void()>& action) {
  while (window.Form->Panel()->List().Saving())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  QAbstractItemView* view = window.View;
  const TClock::time_point start = TClock::now();
  action();
  Painted(view);
  return Milliseconds(start);
}

double DumpMilliseconds(const fs::path& root) {
  const fs::path cli = fs::read_symlink("/proc/self/exe").parent_path() / "flightdeck-cli";
  if (!fs::exists(cli))
    return -1;
  const std::string command =
      cli.string() + " dump '" + root.string() + "' combat neutral > /dev/null";
  const TClock::time_point start = TClock::now();
  if (std::system(command.c_str()) != 0)
    return -1;
  return Milliseconds(start);
}

// Runs what is pending until the window has written its edits and marked the list again.
void Settled(const TWindow& window) {
  while (window.Form->Panel()->List().Saving() || window.Form->Panel()->CheckingList())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  QCoreApplication::processEvents();
  QThreadPool::globalInstance()->waitForDone(); // what the window left to do beside it
}

void Measure(int entries, bool files, double launch) {
  const fs::path root =
      fs::temp_directory_path() / ("flightdeck-window-bench-" + std::to_string(getpid()));
  const fs::path empty = MakeGame(root / "empty", 0, files);
  const fs::path settings = MakeGame(root / "full", entries, files);
  // What writing the list took is the benchmark's own: handed back before the window comes, so
  // that the window's memory is measured from a clean start, neither hiding in it nor added.
  ReturnFreedMemory();
  const double dump = DumpMilliseconds(root / "full");
  long emptyWindow = 0;
  {
    TWindow window(empty);
    Settled(window);
    emptyWindow = ResidentBytes();
  }
  const TClock::time_point start = TClock::now();
  TWindow window(settings);
  const double firstPaint = Milliseconds(start);
  // The check behind the marks runs on a worker meanwhile; the rest is measured once it is done.
  Settled(window);
  const double marked = Milliseconds(start);
  const long opened = ResidentBytes() - emptyWindow;
  const auto listSize = static_cast<long>(fs::file_size(root / "full" / "combat" / "mission.lst"));

  QAbstractItemView* view = window.View;
  const int groups = (entries + 19) / 20;
  const double select = Timed(window, [&] { view->setCurrentIndex(window.Entry(groups / 2, 3)); });
  const double drop = Timed(window, [&] {
    view->scrollTo(window.Entry(groups / 2, 3));
    QCoreApplication::processEvents();
    const QRect target = view->visualRect(window.Entry(groups / 2, 1));
    window.Form->Panel()->MissionViewDragDrop(QPoint(target.left() + 4, target.center().y()));
  });
  const double rename = Timed(window, [&] {
    view->model()->setData(view->currentIndex(), QStringLiteral("Renamed"), Qt::EditRole);
  });
  window.Prompts.FindText = QStringLiteral("Mission ") + QString::number(entries - 1);
  const double find = Timed(window, [&] { window.Form->Panel()->FindText(); });
  const double end = Timed(window, [&] {
    view->setFocus();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &key);
  });
  auto* tabs = window.Form->findChild<QTabBar*>();
  const double tabAway = Timed(window, [&] { tabs->setCurrentIndex(mtMelee); });
  const double tabBack = Timed(window, [&] { tabs->setCurrentIndex(mtCombat); });

  // Ten renames, each written and the list marked again before the next: what one costs the
  // processor, and what the window holds after them.
  Settled(window);
  const double before = ProcessorSeconds();
  for (int edit = 0; edit < 10; ++edit) {
    view->setCurrentIndex(window.Entry(groups / 3, edit % 5));
    view->model()->setData(view->currentIndex(), QStringLiteral("Edit %1").arg(edit), Qt::EditRole);
    Settled(window);
  }
  const double perEdit = (ProcessorSeconds() - before) / 10;
  const long edited = ResidentBytes() - emptyWindow;

  std::printf("%9d entries, mission files %s: first paint %8.1f ms, %8.1f ms from launch (dump "
              "%7.1f ms, marked "
              "%8.1f ms); select %6.1f, End %6.1f, tab away %6.1f, tab back %8.1f, rename "
              "%7.1f, drop %7.1f, find %7.1f ms; bytes per entry above the list file %5.0f "
              "marked, %5.0f after 10 renames; processor %6.3f s a rename\n",
              entries, files ? "present" : "missing", firstPaint, launch + firstPaint, dump, marked,
              select, end, tabAway, tabBack, rename, drop, find,
              static_cast<double>(opened - listSize) / entries,
              static_cast<double>(edited - listSize) / entries, perEdit);
  window.Form.reset();
  fs::remove_all(root);
}

} // namespace

int main(int argc, char** argv) {
  if (argc == 3) { // --present or --missing, and a size
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TixoApplication application(argc, argv);
    // What starting the program costs before its window is made: loading it and its libraries
    // and making the application.
    const double launch = MillisecondsSinceLaunch();
    Measure(std::atoi(argv[2]), std::string_view(argv[1]) == "--present", launch);
    return 0;
  }
  std::vector<std::string> sizes(argv + 1, argv + argc);
  if (sizes.empty())
    sizes = {"1000", "100000", "1000000"};
  for (const std::string& size : sizes)
    for (const char* files : {"--present", "--missing"})
      if (std::system(("'" + std::string(argv[0]) + "' " + files + " " + size).c_str()) != 0)
        return 1;
  return 0;
}
