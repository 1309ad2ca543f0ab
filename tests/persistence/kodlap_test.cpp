#include "persistence/kodlap.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

using namespace zelvaris;

TEST(Kodlap, MagyarBetukOdaVissza) {
  const std::string magyar = "őűŐŰáéíóöüú ÁÉÍÓÖÜÚ";
  const std::string kodlap = KodlapraAlakit(magyar);
  EXPECT_EQ(kodlap, "\xF5\xFB\xD5\xDB\xE1\xE9\xED\xF3\xF6\xFC\xFA \xC1\xC9\xCD\xD3\xD6\xDC\xDA");
  EXPECT_EQ(KodlaprolAlakit(kodlap), magyar);
}

TEST(Kodlap, UresEsAscii) {
  EXPECT_EQ(KodlapraAlakit(""), "");
  EXPECT_EQ(KodlaprolAlakit(""), "");
  EXPECT_EQ(KodlapraAlakit("ServerIP=10.0.0.1\r\n"), "ServerIP=10.0.0.1\r\n");
}

TEST(Kodlap, HianyzoKarakterKerdojel) {
  // A Chinese character, a Cyrillic letter and an emoji are not on the page;
  // the euro sign is (0x80).
  EXPECT_EQ(KodlapraAlakit("a中b"), "a?b");
  EXPECT_EQ(KodlapraAlakit("Жx"), "?x");
  EXPECT_EQ(KodlapraAlakit("\xF0\x9F\x90\xA2"), "?");
  EXPECT_EQ(KodlapraAlakit("€"), "\x80");
}

TEST(Kodlap, HibasUtf8BajtonkentKerdojel) {
  EXPECT_EQ(KodlapraAlakit("a\xFFz"), "a?z");
  EXPECT_EQ(KodlapraAlakit("\x80\x80"), "??");
  // Cut off at the end, overlong "/", an encoded surrogate.
  EXPECT_EQ(KodlapraAlakit("x\xC5"), "x?");
  EXPECT_EQ(KodlapraAlakit("\xC0\xAF"), "??");
  EXPECT_EQ(KodlapraAlakit("\xED\xA0\x80!"), "?\?\?!");
}

TEST(Kodlap, MindenBajtAtalakithato) {
  std::string minden;
  for (int b = 1; b < 256; ++b) minden.push_back(static_cast<char>(b));
  const std::string utf8 = KodlaprolAlakit(minden);
  // The five undefined bytes become U+FFFD; the rest come back unchanged.
  EXPECT_EQ(KodlaprolAlakit("\x81\x83\x88\x90\x98"),
            "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
  std::string vissza = KodlapraAlakit(utf8);
  ASSERT_EQ(vissza.size(), minden.size());
  for (std::size_t i = 0; i < minden.size(); ++i) {
    const unsigned char b = static_cast<unsigned char>(minden[i]);
    const bool definialatlan = b == 0x81 || b == 0x83 || b == 0x88 || b == 0x90 || b == 0x98;
    EXPECT_EQ(vissza[i], definialatlan ? '?' : minden[i]) << "byte " << int(b);
  }
}

TEST(Kodlap, HosszuSzovegEsSzalak) {
  std::string hosszu;
  for (int i = 0; i < 20000; ++i) hosszu += "Éhségtűrés; ";
  const std::string kodlap = KodlapraAlakit(hosszu);
  EXPECT_EQ(kodlap.size(), 20000u * 12u);
  std::string masikSzalon;
  std::thread t([&] { masikSzalon = KodlaprolAlakit(kodlap); });
  t.join();
  EXPECT_EQ(masikSzalon, hosszu);
}
