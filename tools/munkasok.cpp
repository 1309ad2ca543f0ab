#include "tools/munkasok.h"

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <list>

extern char** environ;

namespace zelvaris {

namespace {

struct TMunkas {
  int32_t Index = 0;
  pid_t Pid = -1;
  int Ki = -1;
  int Hiba = -1;
  TMunkaEredmeny Eredmeny;
};

void Bezar(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

// Starts one worker; on failure the result says why and no process exists.
TMunkas Inditas(const std::filesystem::path& program, int32_t index,
                const std::vector<std::string>& argumentumok) {
  TMunkas m;
  m.Index = index;
  int ki[2] = {-1, -1};
  int hiba[2] = {-1, -1};
  auto Sikertelen = [&](int hibakod) {
    for (int* fd : {&ki[0], &ki[1], &hiba[0], &hiba[1]}) Bezar(*fd);
    m.Eredmeny.Hiba =
        "cannot start a worker process (" + std::string(std::strerror(hibakod)) + ")\n";
    return m;
  };
  if (::pipe2(ki, O_CLOEXEC) != 0) return Sikertelen(errno);
  if (::pipe2(hiba, O_CLOEXEC) != 0) return Sikertelen(errno);

  std::vector<std::string> argv{program.string()};
  argv.insert(argv.end(), argumentumok.begin(), argumentumok.end());
  std::vector<char*> mutatok;
  for (std::string& a : argv) mutatok.push_back(a.data());
  mutatok.push_back(nullptr);

  posix_spawn_file_actions_t muveletek;
  posix_spawn_file_actions_init(&muveletek);
  posix_spawn_file_actions_adddup2(&muveletek, ki[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&muveletek, hiba[1], STDERR_FILENO);
  pid_t pid = -1;
  const int eredmeny =
      ::posix_spawn(&pid, program.c_str(), &muveletek, nullptr, mutatok.data(), environ);
  posix_spawn_file_actions_destroy(&muveletek);
  if (eredmeny != 0) return Sikertelen(eredmeny);
  Bezar(ki[1]);
  Bezar(hiba[1]);
  m.Pid = pid;
  m.Ki = ki[0];
  m.Hiba = hiba[0];
  return m;
}

// Reads what is there; closes the descriptor at the end of the stream.
void Olvasas(int& fd, std::string& cel) {
  char puffer[65536];
  const ssize_t n = ::read(fd, puffer, sizeof puffer);
  if (n > 0) {
    cel.append(puffer, static_cast<size_t>(n));
  } else if (n == 0 || errno != EINTR) {
    Bezar(fd);
  }
}

void Befejezes(TMunkas& m) {
  int allapot = 0;
  while (::waitpid(m.Pid, &allapot, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(allapot)) {
    m.Eredmeny.Kod = WEXITSTATUS(allapot);
  } else if (WIFSIGNALED(allapot)) {
    m.Eredmeny.Jel = WTERMSIG(allapot);
  }
}

}  // namespace

void MunkakFuttatasa(const std::filesystem::path& program, int32_t db, int32_t egyszerre,
                     const std::function<std::vector<std::string>(int32_t)>& argumentumok,
                     const std::function<void(int32_t, TMunkaEredmeny&&)>& kesz) {
  std::list<TMunkas> futok;
  int32_t kovetkezo = 0;
  while (kovetkezo < db || !futok.empty()) {
    while (kovetkezo < db && static_cast<int32_t>(futok.size()) < std::max(egyszerre, 1)) {
      TMunkas m = Inditas(program, kovetkezo, argumentumok(kovetkezo));
      ++kovetkezo;
      if (m.Pid < 0) {
        kesz(m.Index, std::move(m.Eredmeny));
      } else {
        futok.push_back(std::move(m));
      }
    }
    if (futok.empty()) continue;

    std::vector<pollfd> figyelt;
    for (const TMunkas& m : futok)
      for (int fd : {m.Ki, m.Hiba})
        if (fd >= 0) figyelt.push_back({fd, POLLIN, 0});
    if (::poll(figyelt.data(), figyelt.size(), -1) < 0 && errno != EINTR) break;
    for (const pollfd& p : figyelt) {
      if (p.revents == 0) continue;
      for (TMunkas& m : futok) {
        if (m.Ki == p.fd) Olvasas(m.Ki, m.Eredmeny.Ki);
        if (m.Hiba == p.fd) Olvasas(m.Hiba, m.Eredmeny.Hiba);
      }
    }
    for (auto it = futok.begin(); it != futok.end();) {
      if (it->Ki < 0 && it->Hiba < 0) {
        Befejezes(*it);
        kesz(it->Index, std::move(it->Eredmeny));
        it = futok.erase(it);
      } else {
        ++it;
      }
    }
  }
}

int32_t MagokSzama() {
  cpu_set_t halmaz;
  if (::sched_getaffinity(0, sizeof halmaz, &halmaz) == 0) return std::max(CPU_COUNT(&halmaz), 1);
  return static_cast<int32_t>(std::max(::sysconf(_SC_NPROCESSORS_ONLN), 1L));
}

std::filesystem::path SajatProgram() {
  std::error_code hiba;
  const auto p = std::filesystem::read_symlink("/proc/self/exe", hiba);
  return hiba ? std::filesystem::path("zelvaris-batch") : p;
}

}  // namespace zelvaris
