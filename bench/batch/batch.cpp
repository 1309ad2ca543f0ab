// Sweep throughput of zelvaris-batch: 32 runs of 500 meadow steps, once in one
// worker process and once in as many as there are cores. The runs are
// independent, so the second figure should come close to the first times the
// core count; the rest is process start-up and the loading of the file.

#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tools/munkasok.h"

namespace fs = std::filesystem;

namespace {

constexpr int kFutasok = 32;
constexpr int kLepesek = 500;

double FutasPerMasodperc(int munkak, const fs::path& kimenet) {
  const std::string parancs = std::string("'") + ZELVARIS_BATCH + "' --seed 1 --steps " +
                              std::to_string(kLepesek) + " --replicates " + std::to_string(kFutasok) +
                              " --jobs " + std::to_string(munkak) + " --summary '" + kimenet.string() +
                              "' '" + ZELVARIS_PROGRAM_DIR + "/okocfg/meadow.okocfg'";
  const auto kezdet = std::chrono::steady_clock::now();
  const int allapot = std::system(parancs.c_str());
  const double mp = std::chrono::duration<double>(std::chrono::steady_clock::now() - kezdet).count();
  if (!WIFEXITED(allapot) || WEXITSTATUS(allapot) != 0) {
    std::fprintf(stderr, "zelvaris-batch failed: %s\n", parancs.c_str());
    std::exit(1);
  }
  return kFutasok / mp;
}

}  // namespace

int main() {
  const fs::path kimenet = fs::temp_directory_path() / "zelvaris-bench-batch.csv";
  const int magok = zelvaris::MagokSzama();
  const double egy = FutasPerMasodperc(1, kimenet);
  const double mind = FutasPerMasodperc(magok, kimenet);
  fs::remove(kimenet);
  std::printf("sweep-runs-per-s-1-job: %.2f runs/s\n", egy);
  std::printf("sweep-runs-per-s-all-cores: %.2f runs/s\n", mind);
  std::printf("sweep-cores: %d\n", magok);
  std::printf("sweep-speed-up: %.2f x\n", mind / egy);
  return 0;
}
