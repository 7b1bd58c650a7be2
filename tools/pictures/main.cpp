// corvane-pictures OUTDIR [--review REVIEWDIR]
// corvane-pictures --icons ICONDIR
// Draws every picture the program shows into its directory OUTDIR: the 2D
// board, the eight 3D themes with their square bitmaps, the set-up buttons,
// the clock icons and the introduction previews; or the program's icon for
// the desktop, in its usual sizes, into ICONDIR.
#include <QDir>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "outputs.h"

int main(int argc, char** argv) {
  if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--review") &&
      !(argc == 3 && std::string(argv[1]) == "--icons")) {
    std::fprintf(stderr,
                 "usage: corvane-pictures OUTDIR [--review REVIEWDIR]\n"
                 "       corvane-pictures --icons ICONDIR\n");
    return 2;
  }
  if (argc == 3) {
    try {
      pictures::writeIcons(QString::fromLocal8Bit(argv[2]));
    } catch (const std::exception& e) {
      std::fprintf(stderr, "corvane-pictures: %s\n", e.what());
      return 1;
    }
    return 0;
  }
  // Pictures only: no application object, no display.
  const QString dir = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(dir)) {
    std::fprintf(stderr, "corvane-pictures: cannot make %s\n", argv[1]);
    return 1;
  }
  const auto start = std::chrono::steady_clock::now();
  try {
    if (argc == 4) {
      pictures::writeReview(dir, QString::fromLocal8Bit(argv[3]));
      return 0;
    }
    const auto themes = pictures::makeThemes();
    std::vector<std::function<void()>> jobs;
    for (std::size_t n = 1; n < themes.size(); ++n) jobs.push_back([&, n] { pictures::writeTheme(*themes[n], dir); });
    jobs.push_back([&] { pictures::writeFlat(dir); });
    // The jobs share the cores; the first failure stops the others at their next job.
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    std::mutex report;
    auto worker = [&] {
      for (std::size_t i; !failed && (i = next++) < jobs.size();) {
        try {
          jobs[i]();
        } catch (const std::exception& e) {
          const std::lock_guard<std::mutex> lock(report);
          std::fprintf(stderr, "corvane-pictures: %s\n", e.what());
          failed = true;
        }
      }
    };
    // Two workers at most: the machine is shared.
    const unsigned cores = std::clamp(std::thread::hardware_concurrency(), 1u, 2u);
    std::vector<std::thread> threads;
    for (unsigned i = 0; i < std::min<unsigned>(cores, jobs.size()); ++i) threads.emplace_back(worker);
    for (auto& t : threads) t.join();
    if (failed) return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "corvane-pictures: %s\n", e.what());
    return 1;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("corvane-pictures: pictures drawn in %.1f s\n", seconds);
  return 0;
}
