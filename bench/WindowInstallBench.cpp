// SPDX-License-Identifier: GPL-3.0-or-later
// A pack installed from the window against the same pack installed by flightdeck-cli, each into
// a fresh copy of one game in mixed case, offscreen: the wall time of each, their ratio, and
// what the window's progress dialog showed meanwhile (each phase with its share of the bar,
// and the longest time the window did not paint).
//
// usage: bench_window_install [MISSIONS [KIB [ROUNDS]]]   (default: 2000 missions of 100 KiB,
// 3 rounds; the medians are printed). flightdeck-cli must lie beside this program.

#include "BenchPrompts.h"
#include "CollectionPack.h"
#include "app/Application.h"
#include "app/Prompts.h"
#include "app/TixoFlightdeckForm.h"
#include "zip/ZipArchiver.h"

#include <QProgressDialog>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace flightdeck;
using flightdeck::bench::TBenchPrompts;
using TClock = std::chrono::steady_clock;

namespace {

double Seconds(TClock::time_point since) {
  return std::chrono::duration<double>(TClock::now() - since).count();
}

// A game in mixed case, as some installations have it, with a Combat list of one campaign.
std::string MakeGame(const fs::path& root) {
  fs::remove_all(root);
  for (const char* folder : {"BATTLE", "Combat", "MELEE", "Tourn", "TRAIN"})
    fs::create_directories(root / folder);
  std::ofstream(root / "Combat" / "MISSION.LST", std::ios::binary)
      << "//\r\n[Old Campaign]\r\n//\r\n0\r\nold.tie\r\nOld\r\n";
  std::ofstream(root / "Combat" / "old.tie", std::ios::binary) << "old";
  return root.string() + "/";
}

// `count` missions of `size` bytes, each half random and half zeros as missions are, under one
// campaign of a collection.
fs::path MakePack(const fs::path& folder, int count, std::size_t size) {
  std::mt19937 random(1);
  std::string bytes(size, '\0');
  bench::MakeCollectionPack(folder / "big.ixo", count, [&](int) {
    for (std::size_t at = 0; at < size / 2; ++at)
      bytes[at] = static_cast<char>(random());
    return bytes;
  });
  return folder / "big.ixo";
}

double CliSeconds(const fs::path& root, const fs::path& pack) {
  const fs::path cli = fs::read_symlink("/proc/self/exe").parent_path() / "flightdeck-cli";
  const std::string command = "'" + cli.string() + "' install-pack '" + MakeGame(root) +
                              "' combat neutral '" + pack.string() + "' > /dev/null";
  const TClock::time_point start = TClock::now();
  if (std::system(command.c_str()) != 0)
    throw std::runtime_error("flightdeck-cli install-pack failed");
  return Seconds(start);
}

struct TWindowRun {
  double Seconds = 0;
  double LongestStill = 0; // the longest time between two paints of the window
  // Each phase the progress dialog showed: its text, first and last seen, the bar's share.
  struct TPhase {
    double From = 0, To = 0;
    int Low = 100, High = 0;
  };
  std::vector<std::pair<QString, TPhase>> Phases;
};

TWindowRun WindowRun(const fs::path& root, const fs::path& pack) {
  const std::string game = MakeGame(root);
  const fs::path settings = root.parent_path() / "flightdeck.ini";
  std::ofstream(settings) << "[IxoKit]\r\nMPath=" << game << "\r\nMType=1\r\n";
  TBenchPrompts prompts;
  TixoFlightdeckForm form(TFormEnvironment{QString::fromStdString(settings.string()), &prompts});
  form.show();
  while (form.Panel()->CheckingList())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);

  TWindowRun run;
  const TClock::time_point start = TClock::now();
  double lastTick = 0;
  QTimer sampler;
  sampler.setInterval(20);
  QObject::connect(&sampler, &QTimer::timeout, [&] {
    const double now = Seconds(start);
    run.LongestStill = std::max(run.LongestStill, now - lastTick);
    lastTick = now;
    for (const QProgressDialog* dialog : form.findChildren<QProgressDialog*>()) {
      if (!dialog->isVisible())
        continue;
      if (run.Phases.empty() || run.Phases.back().first != dialog->labelText())
        run.Phases.push_back({dialog->labelText(), {now, now, 100, 0}});
      TWindowRun::TPhase& phase = run.Phases.back().second;
      const int percent = dialog->maximum() > 0 ? 100 * dialog->value() / dialog->maximum() : 0;
      phase.To = now;
      phase.Low = std::min(phase.Low, percent);
      phase.High = std::max(phase.High, percent);
    }
  });
  sampler.start();
  form.InstallPackFile(pack.string());
  // Done once the window has taken in what the install wrote.
  while (form.Panel()->CheckingList() || form.Panel()->List().Saving())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  QCoreApplication::processEvents();
  run.Seconds = Seconds(start);
  run.LongestStill = std::max(run.LongestStill, run.Seconds - lastTick);
  return run;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  const int missions = argc > 1 ? std::atoi(argv[1]) : 2000;
  const std::size_t size = (argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 100) << 10;
  const int rounds = argc > 3 ? std::atoi(argv[3]) : 3;
  const fs::path scratch =
      fs::temp_directory_path() / ("flightdeck-window-install-" + std::to_string(getpid()));
  setenv("XDG_DATA_HOME", (scratch / "data").c_str(), 1); // the histories, out of the user's way
  TixoApplication application(argc, argv);
  const fs::path pack = MakePack(scratch, missions, size);

  std::vector<double> cli, window, still;
  TWindowRun last;
  for (int round = 0; round < rounds; ++round) {
    cli.push_back(CliSeconds(scratch / "cli" / "Game", pack));
    last = WindowRun(scratch / "window" / "Game", pack);
    window.push_back(last.Seconds);
    still.push_back(last.LongestStill);
  }
  std::printf("%d missions of %zu KiB: flightdeck-cli %.2f s, window %.2f s (%.2f x); the "
              "window did not paint for at most %.2f s\n",
              missions, size >> 10, Median(cli), Median(window), Median(window) / Median(cli),
              Median(still));
  std::printf("the last round's progress dialog:\n");
  for (const auto& [text, phase] : last.Phases)
    std::printf("  %6.2f to %6.2f s  %3d%% to %3d%%  %s\n", phase.From, phase.To, phase.Low,
                phase.High, qPrintable(text));
  fs::remove_all(scratch);
  return 0;
}
