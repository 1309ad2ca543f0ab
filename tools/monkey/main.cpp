// zelvaris-monkey: the window program, offscreen, under thousands of random
// user actions. It prints how many actions ran, how many broke the world's
// invariants and how many errors the program's handler showed, and exits 1
// on a broken invariant, 3 on an action that hangs.

#include <QDir>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <random>
#include <thread>

#include "shell/form_fo.h"
#include "shell/hibakezeles.h"
#include "shell/program.h"
#include "tools/monkey/majom.h"
#include "tools/monkey/majom_modalis.h"
#include "tools/monkey/parancssor.h"
#include "tools/monkey/veletlen_bemenet.h"

namespace {

using namespace zelvaris;
namespace fs = std::filesystem;

constexpr auto kFuggesHatar = std::chrono::seconds(10);

// The log, written line by line so a crash leaves everything before it.
class TNaplo {
 public:
  explicit TNaplo(const std::optional<fs::path>& fajl) {
    if (fajl) f_ = std::fopen(fajl->string().c_str(), "w");
  }
  ~TNaplo() {
    if (f_ != nullptr) std::fclose(f_);
  }
  bool Hibas(const std::optional<fs::path>& fajl) const { return fajl && f_ == nullptr; }
  void Sor(const std::string& s) {
    std::lock_guard z(m_);
    if (f_ == nullptr) return;
    std::fputs(s.c_str(), f_);
    std::fputc('\n', f_);
    std::fflush(f_);
  }

 private:
  std::mutex m_;
  std::FILE* f_ = nullptr;
};

// A hang is reported from a thread of its own: the one that hangs cannot.
class TOr {
 public:
  explicit TOr(TNaplo& naplo) : naplo_(naplo), szal_([this] { Figyeles(); }) {}
  ~TOr() {
    vege_ = true;
    szal_.join();
  }
  void Kezdet(int64_t sorszam) {
    sorszam_ = sorszam;
    kezdet_ = Most();
  }
  void Vege() { kezdet_ = -1; }
  std::atomic<int64_t> Kesz{0};
  std::atomic<int> Kivetelek{0};

 private:
  static int64_t Most() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }
  void Figyeles() {
    while (!vege_) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      const int64_t k = kezdet_;
      if (k >= 0 && Most() - k > std::chrono::milliseconds(kFuggesHatar).count()) {
        const std::string s = "hang: action " + std::to_string(sorszam_.load()) + " took more than 10 s";
        naplo_.Sor("# " + s);
        std::printf("%s\nactions: %lld\ninvariant-breaks: 0\nexceptions-shown: %d\n", s.c_str(),
                    static_cast<long long>(Kesz.load()), Kivetelek.load());
        std::fflush(stdout);
        std::_Exit(3);
      }
    }
  }
  TNaplo& naplo_;
  std::atomic<bool> vege_{false};
  std::atomic<int64_t> kezdet_{-1};
  std::atomic<int64_t> sorszam_{0};
  std::thread szal_;
};

// The shipped data beside the monkey, copied into a fresh program directory.
bool AdatMasolas(const fs::path& honnan, const fs::path& hova) {
  for (const char* d : {"languages", "allat", "noveny", "okocfg", "okopill"}) {
    std::error_code h;
    if (!fs::is_directory(honnan / d)) return false;
    fs::copy(honnan / d, hova / d, fs::copy_options::recursive, h);
    if (h) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  TZelvarisAlkalmazas app(argc, argv);
  app.setQuitOnLastWindowClosed(false);

  TMajomBeallitasok b;
  std::vector<TNaploAkcio> visszajatszas;
  try {
    std::vector<std::string> args;
    for (const QString& a : app.arguments().mid(1)) args.push_back(a.toStdString());
    b = MajomParancssor(args);
    if (b.Visszajatszas) {
      TNaploTartalom t = NaploOlvasas(*b.Visszajatszas);
      visszajatszas = std::move(t.Akciok);
      if (t.Mag) b.Mag = *t.Mag;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr,
                 "zelvaris-monkey: %s\nusage: zelvaris-monkey [--seed N] [--actions N] [--log FILE] [--replay FILE]\n",
                 e.what());
    return 2;
  }
  TNaplo naplo(b.Naplo);
  if (naplo.Hibas(b.Naplo)) {
    std::fprintf(stderr, "zelvaris-monkey: cannot write %s\n", b.Naplo->string().c_str());
    return 2;
  }
  // Qt's own remarks (the offscreen platform's many) go to the log only.
  static TNaplo* qtNaplo = &naplo;
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& s) {
    qtNaplo->Sor("# qt: " + s.toStdString());
  });
  QTemporaryDir ideiglenes;
  const fs::path konyvtar = ideiglenes.path().toStdString();
  if (!ideiglenes.isValid() || !AdatMasolas(QCoreApplication::applicationDirPath().toStdString(), konyvtar)) {
    std::fprintf(stderr, "zelvaris-monkey: the shipped data is not beside the program\n");
    return 2;
  }

  const auto naploSor = [&naplo](const QString& s) { naplo.Sor(s.toStdString()); };
  TMajomModalis modalis(ideiglenes.path(), naploSor);
  TProgram program(konyvtar, &modalis);
  TForm_Fo& fo = program.Fo();
  app.SetHibakezelo([&](std::exception_ptr hiba) { HibaMegjelenitese(program.Kornyezet(), &fo, hiba); });
  fo.showMaximized();
  fo.MagBeallitasa(b.Mag);

  naplo.Sor("# zelvaris-monkey --seed " + std::to_string(b.Mag) + " --actions " +
            std::to_string(b.Visszajatszas ? static_cast<int64_t>(visszajatszas.size()) : b.Akciok));
  TMajom majom(program, modalis, ideiglenes.path(), naploSor);
  std::mt19937 sorsolo(b.Mag);
  int64_t sertesek = 0;
  const int64_t n = b.Visszajatszas ? static_cast<int64_t>(visszajatszas.size()) : b.Akciok;
  {
    TOr or_(naplo);
    for (int64_t i = 1; i <= n && sertesek == 0; ++i) {
      TNaploAkcio a{};
      if (b.Visszajatszas) {
        a = visszajatszas[static_cast<size_t>(i - 1)];
      } else {
        TVeletlenBemenet v(static_cast<uint32_t>(sorsolo()));
        a = {majom.Sorsolas(v), v.Nyers()};
      }
      naplo.Sor(std::to_string(i) + " " + AkcioNev(a.Fajta) + " " + std::to_string(a.Mag));
      or_.Kezdet(i);
      const auto kezdet = std::chrono::steady_clock::now();
      const std::vector<std::string> hibak = majom.Vegrehajtas(a.Fajta, a.Mag);
      const auto ms =
          std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - kezdet).count();
      or_.Vege();
      if (ms >= 1000) naplo.Sor("# slow: " + std::to_string(ms) + " ms");
      or_.Kesz = i;
      or_.Kivetelek = modalis.Kivetelek();
      for (const std::string& h : hibak) {
        naplo.Sor("# invariant: " + h);
        std::fprintf(stderr, "action %lld: %s\n", static_cast<long long>(i), h.c_str());
      }
      // A broken world makes every later check noise: the run stops here.
      if (!hibak.empty()) ++sertesek;
    }
    std::printf("actions: %lld\ninvariant-breaks: %lld\nexceptions-shown: %d\n",
                static_cast<long long>(or_.Kesz.load()), static_cast<long long>(sertesek), modalis.Kivetelek());
  }
  std::fflush(stdout);
  app.SetHibakezelo(nullptr);
  return sertesek > 0 ? 1 : 0;
}
