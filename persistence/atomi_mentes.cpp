#include "persistence/atomi_mentes.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

#include "persistence/fajl_hiba.h"

namespace zelvaris {

namespace {

std::string Ok(int hibakod) { return std::strerror(hibakod); }

[[noreturn]] void MentesiHiba(const std::filesystem::path& cel, int hibakod) {
  throw TFajlHiba(cel, TUzenet(kMentesiHibaUzenet, {Ok(hibakod)}));
}

}  // namespace

TAtomiFajl::TAtomiFajl(std::filesystem::path cel) : cel_(std::move(cel)) {}

TAtomiFajl::~TAtomiFajl() {
  if (!ideiglenes_.empty()) ::unlink(ideiglenes_.c_str());
}

void TAtomiFajl::Ir(std::string_view tartalom) {
  static std::atomic<unsigned> sorszam{0};
  const std::filesystem::path konyvtar = cel_.parent_path();
  const std::string alap = "." + cel_.filename().string() + ".mentes-" + std::to_string(::getpid());
  int fd = -1;
  std::filesystem::path nev;
  // O_EXCL with a fresh number: never reuse a name another save holds; the
  // mode 0666 lets the umask decide the permissions, as for any new file.
  for (int proba = 0; proba < 100 && fd < 0; ++proba) {
    nev = konyvtar / (alap + "-" + std::to_string(sorszam.fetch_add(1)));
    fd = ::open(nev.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) MentesiHiba(cel_, errno);
  ideiglenes_ = nev;

  const char* p = tartalom.data();
  size_t maradt = tartalom.size();
  while (maradt > 0) {
    const ssize_t irt = ::write(fd, p, maradt);
    if (irt < 0) {
      if (errno == EINTR) continue;
      const int hibakod = errno;
      ::close(fd);
      MentesiHiba(cel_, hibakod);
    }
    p += irt;
    maradt -= static_cast<size_t>(irt);
  }
  // The data must be on the disk before the rename makes it the target.
  if (::fsync(fd) != 0) {
    const int hibakod = errno;
    ::close(fd);
    MentesiHiba(cel_, hibakod);
  }
  if (::close(fd) != 0) MentesiHiba(cel_, errno);
}

void TAtomiFajl::Veglegesit() {
  if (::rename(ideiglenes_.c_str(), cel_.c_str()) != 0) MentesiHiba(cel_, errno);
  ideiglenes_.clear();
}

void AtomiMentes(const std::filesystem::path& cel, std::string_view tartalom) {
  TAtomiFajl fajl(cel);
  fajl.Ir(tartalom);
  fajl.Veglegesit();
}

std::string FajlBeolvasasa(const std::filesystem::path& fajl) {
  const int fd = ::open(fajl.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw TFajlHiba(fajl, TUzenet(kNemNyithatoUzenet, {Ok(errno)}));
  std::string tartalom;
  char puffer[65536];
  for (;;) {
    const ssize_t olvasott = ::read(fd, puffer, sizeof puffer);
    if (olvasott < 0) {
      if (errno == EINTR) continue;
      const int hibakod = errno;
      ::close(fd);
      throw TFajlHiba(fajl, TUzenet(kNemOlvashatoUzenet, {Ok(hibakod)}));
    }
    if (olvasott == 0) break;
    tartalom.append(puffer, static_cast<size_t>(olvasott));
  }
  ::close(fd);
  return tartalom;
}

}  // namespace zelvaris
