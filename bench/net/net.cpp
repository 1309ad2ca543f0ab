// Load on the server of server mode: a loopback peer floods short lines
// for ten seconds while a 1 ms step timer runs on the same thread as the
// server; then a storm of connection attempts meets the connection cap.
// Prints one figure per line as "name: value unit".

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTimer>
#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <sys/time.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "net/form_bejelentkezesek.h"
#include "net/szerver.h"
#include "net/szerver_naplo.h"

using namespace zelvaris;

namespace {

double RssMb() {
  std::ifstream be("/proc/self/status");
  std::string sor;
  while (std::getline(be, sor)) {
    if (sor.rfind("VmRSS:", 0) == 0) return std::stod(sor.substr(6)) / 1024.0;
  }
  return 0;
}

int Kapcsolodas(quint16 port, bool blokkolo) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) return -1;
  if (!blokkolo) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
  sockaddr_in cim{};
  cim.sin_family = AF_INET;
  cim.sin_port = htons(port);
  cim.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::connect(fd, reinterpret_cast<sockaddr*>(&cim), sizeof cim) != 0 && errno != EINPROGRESS) {
    ::close(fd);
    return -1;
  }
  return fd;
}

// Runs the event loop for `ms` with the 1 ms step timer; returns the
// largest gap between two ticks in milliseconds.
double LepesekAlatt(int ms) {
  QTimer lepes;
  lepes.setTimerType(Qt::PreciseTimer);
  lepes.setInterval(1);
  QElapsedTimer ora;
  qint64 elozo = -1;
  qint64 legnagyobb = 0;
  QObject::connect(&lepes, &QTimer::timeout, [&] {
    const qint64 most = ora.nsecsElapsed();
    if (elozo >= 0) legnagyobb = std::max(legnagyobb, most - elozo);
    elozo = most;
  });
  ora.start();
  lepes.start();
  QTimer::singleShot(ms, qApp, &QCoreApplication::quit);
  qApp->exec();
  return legnagyobb / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  QPlainTextEdit naplo;
  naplo.resize(186, 600);
  naplo.show();
  TForm_Jelentkezesek jelentkezesek;
  TSzerver szerver;
  TSzerverNaplo kijelzo(&naplo, &jelentkezesek);
  QObject::connect(&szerver, &TSzerver::Sor, &kijelzo, &TSzerverNaplo::Sor);
  QObject::connect(&szerver, &TSzerver::Jelentkezo, &kijelzo, &TSzerverNaplo::Jelentkezo);
  qint64 sorok = 0;
  QObject::connect(&szerver, &TSzerver::Sor, [&sorok] { ++sorok; });
  if (auto hiba = szerver.Aktivalas(0)) {
    std::fprintf(stderr, "listen failed: %s\n", qPrintable(*hiba));
    return 1;
  }
  const quint16 port = szerver.Port();

  // Settle, then measure the quiet baseline.
  const double nyugodtGap = LepesekAlatt(500);
  const double rssElotte = RssMb();

  std::atomic<bool> fut{true};
  std::atomic<long long> kuldott{0};
  std::thread arasztas([&] {
    const int fd = Kapcsolodas(port, true);
    if (fd < 0) return;
    // The server stops reading when the measurement ends: never block for long.
    timeval varas{0, 100'000};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &varas, sizeof varas);
    std::string csomag;
    for (int i = 0; i < 2000; ++i) {
      csomag += i % 2 == 0 ? "ASK\r\nnev" + std::to_string(i) + "\r\n" : "hello " + std::to_string(i) + "\r\n";
    }
    while (fut) {
      const ssize_t n = ::send(fd, csomag.data(), csomag.size(), MSG_NOSIGNAL);
      if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) continue;
      if (n <= 0) break;
      kuldott += n;
    }
    ::close(fd);
  });
  const double aradatGap = LepesekAlatt(10'000);
  const double rssUtana = RssMb();
  fut = false;
  arasztas.join();
  LepesekAlatt(200);

  std::printf("net-quiet-max-tick-gap-ms: %.2f ms\n", nyugodtGap);
  std::printf("net-flood-max-tick-gap-ms: %.2f ms\n", aradatGap);
  std::printf("net-flood-rss-growth-mb: %.1f MB\n", rssUtana - rssElotte);
  std::printf("net-flood-bytes-sent: %.1f MB\n", kuldott / 1e6);
  std::printf("net-flood-lines-logged: %lld lines\n", sorok);
  std::printf("net-flood-log-blocks: %d lines\n", naplo.document()->blockCount());
  std::printf("net-flood-sign-ins-shown: %d names\n", static_cast<int>(jelentkezesek.Nevek().size()));

  // The storm: 1,000 attempts held open at once, never answered.
  std::vector<int> foglalatok;
  std::thread vihar([&] {
    for (int i = 0; i < 1000; ++i) {
      const int fd = Kapcsolodas(port, false);
      if (fd >= 0) foglalatok.push_back(fd);
    }
  });
  const double viharGap = LepesekAlatt(1500);
  vihar.join();
  for (int fd : foglalatok) ::close(fd);
  LepesekAlatt(200);
  std::printf("net-conn-attempts: %zu connections\n", foglalatok.size());
  std::printf("net-conn-max-open: %d connections\n", szerver.LegtobbNyitott());
  std::printf("net-conn-cap: %d connections\n", szerver.Korlatok().MaxKapcsolat);
  std::printf("net-conn-max-tick-gap-ms: %.2f ms\n", viharGap);
  szerver.Deaktivalas();
  return 0;
}
