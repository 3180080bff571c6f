// Start-up of the game's window against a bare Qt Widgets window of the same
// size, built the same way: from process start to the first painted frame,
// and peak resident memory, alternating the two. Runs on whatever platform
// QT_QPA_PLATFORM (or the display) gives the children.
//
//   bench_startup PATH_TO_STARTUP_PROBE [RUNS_EACH]

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "monotonic_clock.h"
#include "statistics.h"

extern char** environ;

namespace {

struct Run {
  double milliseconds;
  long peakKilobytes;
};

bool StartOnce(const char* probe, const char* which, Run& run) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) {
    return false;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  char* const args[] = {const_cast<char*>(probe), const_cast<char*>(which), nullptr};

  const std::int64_t start = MonotonicNanoseconds();
  pid_t child = 0;
  const int spawned = posix_spawn(&child, probe, &actions, nullptr, args, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  if (spawned != 0) {
    close(pipeEnds[0]);
    return false;
  }
  std::string output;
  char buffer[64];
  ssize_t got = 0;
  while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0) {
    output.append(buffer, static_cast<std::size_t>(got));
  }
  close(pipeEnds[0]);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || output.empty()) {
    return false;
  }
  run.milliseconds = static_cast<double>(std::stoll(output) - start) / 1e6;
  run.peakKilobytes = usage.ru_maxrss;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s PATH_TO_STARTUP_PROBE [RUNS_EACH]\n", argv[0]);
    return 2;
  }
  const char* probe = argv[1];
  const int runs = argc > 2 ? std::atoi(argv[2]) : 20;
  const char* platform = std::getenv("QT_QPA_PLATFORM");

  // The three windows take turns, so that drifts of the machine fall on all.
  const char* const windows[] = {"mainform", "bare", "text"};
  std::vector<double> times[3];
  std::vector<long> peaks[3];
  Run run{};
  for (const char* which : windows) {
    StartOnce(probe, which, run);  // warm the caches once, unrecorded
  }
  for (int i = 0; i < runs; ++i) {
    for (int w = 0; w < 3; ++w) {
      if (!StartOnce(probe, windows[w], run)) {
        std::fprintf(stderr, "the %s window did not start\n", windows[w]);
        return 1;
      }
      times[w].push_back(run.milliseconds);
      peaks[w].push_back(run.peakKilobytes);
    }
  }

  double time[3];
  long peak[3];
  for (int w = 0; w < 3; ++w) {
    time[w] = Median(times[w]);
    peak[w] = Median(peaks[w]);
  }
  std::printf("start-up to first painted frame (%s), %d runs each, medians:\n",
              platform != nullptr ? platform : "default platform", runs);
  std::printf("  game window        %8.2f ms  peak RSS %6.1f MiB\n", time[0], peak[0] / 1024.0);
  std::printf("  bare window        %8.2f ms  peak RSS %6.1f MiB\n", time[1], peak[1] / 1024.0);
  std::printf("  bare with a label  %8.2f ms  peak RSS %6.1f MiB\n", time[2], peak[2] / 1024.0);
  std::printf("  game / bare        %8.3f x (goal <= 1.15)  %6.3f x (goal <= 1.25)\n",
              time[0] / time[1], static_cast<double>(peak[0]) / static_cast<double>(peak[1]));
  std::printf("  game / labelled    %8.3f x                 %6.3f x\n", time[0] / time[2],
              static_cast<double>(peak[0]) / static_cast<double>(peak[2]));
  return 0;
}
