// Start-up to the first painted frame and peak resident memory of Tarnolo against a bare Qt
// window of the same size, empty and with a line of text, run in turn. The programs carry the
// first-frame probe, which prints the monotonic time of their first frame and ends them there.
// Usage: startup_bench ROUNDS TARNOLO BARE_WINDOW; prints two rows of a Markdown table.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Run {
  double milliseconds = 0;  // from fork to the first frame
  double peakMiB = 0;       // peak resident memory up to then
  int width = 0, height = 0;
};

long long monotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000000000LL + now.tv_nsec;
}

std::string readAll(int fd) {
  std::string text;
  char buffer[256];
  for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, size_t(n));
  return text;
}

// Runs program with args; its standard output must hold the probe's line.
Run runOnce(const std::string& program, const std::vector<std::string>& args) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) throw std::runtime_error("pipe");
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const long long start = monotonicNs();
  const pid_t child = fork();
  if (child == 0) {
    dup2(pipeFds[1], STDOUT_FILENO);
    close(pipeFds[0]);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  close(pipeFds[1]);
  const std::string out = readAll(pipeFds[0]);
  close(pipeFds[0]);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  long long frame = 0;
  Run run;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
      std::sscanf(out.c_str(), "first-frame %lld %d %d", &frame, &run.width, &run.height) != 3)
    throw std::runtime_error(program + " showed no frame: " + out);
  run.milliseconds = double(frame - start) / 1e6;
  run.peakMiB = double(usage.ru_maxrss) / 1024;  // ru_maxrss is in KiB
  return run;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// One row: Tarnolo's median, the bare window's and the ratio, the bare window with text and
// the ratio.
void printRow(const std::string& what, const char* unit, const std::vector<double> (&runs)[3]) {
  const double a = median(runs[0]), b = median(runs[1]), c = median(runs[2]);
  std::printf("| %s | %.1f %s | %.1f %s | %.2f | %.1f %s | %.2f | ratios at most 1.15 |\n",
              what.c_str(), a, unit, b, unit, a / b, c, unit, a / c);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: startup_bench ROUNDS TARNOLO BARE_WINDOW\n");
    return 2;
  }
  const int rounds = std::max(1, std::atoi(argv[1]));
  try {
    // The first runs fill the caches and tell the size of Tarnolo's window.
    const Run first = runOnce(argv[2], {});
    const std::string width = std::to_string(first.width), height = std::to_string(first.height);
    const std::vector<std::string> args[3] = {
        {}, {width, height}, {width, height, "Sensibilidad 85,7142857142857 %"}};
    const char* programs[3] = {argv[2], argv[3], argv[3]};
    std::vector<double> startUp[3], memory[3];
    for (int i = 0; i < rounds; ++i) {
      // Each round runs all three, in turn starting with the next.
      for (int k = 0; k < 3; ++k) {
        const int p = (i + k) % 3;
        const Run run = runOnce(programs[p], args[p]);
        startUp[p].push_back(run.milliseconds);
        memory[p].push_back(run.peakMiB);
      }
    }
    printRow("start-up to the first painted frame, " + width + "x" + height +
                 " window (median of " + std::to_string(rounds) + ")",
             "ms", startUp);
    printRow("peak resident memory up to then (median)", "MiB", memory);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "startup_bench: %s\n", e.what());
    return 1;
  }
  return 0;
}
