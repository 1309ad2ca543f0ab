#include "kodlap.h"

#include <iconv.h>

#include <cerrno>
#include <cstddef>
#include <stdexcept>

namespace zelvaris {

namespace {

// One converter per direction and thread: iconv descriptors carry state and
// must not be shared between threads, and opening one costs far more than a
// line's conversion.
class TAtalakito {
 public:
  TAtalakito(const char* cel, const char* forras) : cd_(iconv_open(cel, forras)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("A(z) ") + forras + " -> " + cel +
                               " kódátalakítás nem érhető el ezen a rendszeren.");
    }
  }
  ~TAtalakito() { iconv_close(cd_); }
  TAtalakito(const TAtalakito&) = delete;
  TAtalakito& operator=(const TAtalakito&) = delete;

  iconv_t Leiro() {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    return cd_;
  }

 private:
  iconv_t cd_;
};

bool CsakAscii(std::string_view s) {
  for (unsigned char c : s) {
    if (c >= 0x80) return false;
  }
  return true;
}

bool Folytato(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the well-formed UTF-8 sequence at the start of s, or 0 if the bytes
// there do not form one.
std::size_t SorozatHossz(const unsigned char* s, std::size_t n) {
  const unsigned char c = s[0];
  if (c < 0x80) return 1;
  std::size_t hossz;
  unsigned char also = 0x80, felso = 0xBF;  // bounds of the second byte
  if (c >= 0xC2 && c <= 0xDF) {
    hossz = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    hossz = 3;
    if (c == 0xE0) also = 0xA0;
    if (c == 0xED) felso = 0x9F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    hossz = 4;
    if (c == 0xF0) also = 0x90;
    if (c == 0xF4) felso = 0x8F;
  } else {
    return 0;
  }
  if (n < hossz || s[1] < also || s[1] > felso) return 0;
  for (std::size_t i = 2; i < hossz; ++i) {
    if (!Folytato(s[i])) return 0;
  }
  return hossz;
}

// Runs iconv over the whole input; at each position iconv refuses, Csere
// appends the replacement and returns how many input bytes to skip.
template <typename CsereFv>
std::string Atalakit(iconv_t cd, std::string_view be, std::size_t szorzo, CsereFv csere) {
  std::string ki(be.size() * szorzo, '\0');
  char* in = const_cast<char*>(be.data());
  std::size_t inMaradt = be.size();
  char* out = ki.data();
  std::size_t outMaradt = ki.size();
  while (inMaradt > 0) {
    if (iconv(cd, &in, &inMaradt, &out, &outMaradt) != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) {
      const std::size_t irt = ki.size() - outMaradt;
      ki.resize(ki.size() * 2 + 16);
      out = ki.data() + irt;
      outMaradt = ki.size() - irt;
      continue;
    }
    // EILSEQ or EINVAL (a sequence cut off at the end of the input).
    std::string potlas;
    const std::size_t atlepes =
        csere(reinterpret_cast<const unsigned char*>(in), inMaradt, potlas);
    if (potlas.size() > outMaradt) {
      const std::size_t irt = ki.size() - outMaradt;
      ki.resize(ki.size() * 2 + 16);
      out = ki.data() + irt;
      outMaradt = ki.size() - irt;
    }
    for (char c : potlas) *out++ = c;
    outMaradt -= potlas.size();
    in += atlepes;
    inMaradt -= atlepes;
  }
  ki.resize(ki.size() - outMaradt);
  return ki;
}

}  // namespace

std::string KodlapraAlakit(std::string_view utf8) {
  if (CsakAscii(utf8)) return std::string(utf8);
  thread_local TAtalakito atalakito("WINDOWS-1250", "UTF-8");
  // Every UTF-8 character is at least one byte and becomes at most one.
  return Atalakit(atalakito.Leiro(), utf8, 1,
                  [](const unsigned char* s, std::size_t n, std::string& potlas) {
                    potlas = "?";
                    const std::size_t hossz = SorozatHossz(s, n);
                    return hossz == 0 ? std::size_t{1} : hossz;
                  });
}

std::string KodlaprolAlakit(std::string_view kodlap) {
  if (CsakAscii(kodlap)) return std::string(kodlap);
  thread_local TAtalakito atalakito("UTF-8", "WINDOWS-1250");
  // A code-page byte becomes at most three UTF-8 bytes.
  return Atalakit(atalakito.Leiro(), kodlap, 3,
                  [](const unsigned char*, std::size_t, std::string& potlas) {
                    potlas = "\xEF\xBF\xBD";
                    return std::size_t{1};
                  });
}

}  // namespace zelvaris
