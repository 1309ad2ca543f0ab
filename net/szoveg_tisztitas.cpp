#include "net/szoveg_tisztitas.h"

namespace zelvaris {

namespace {

constexpr char32_t kCsere = 0xFFFD;

bool Veszelyes(char32_t kod) {
  switch (QChar::category(kod)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Surrogate:
      return true;
    default:
      return false;
  }
}

char AsciiKisbetu(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

QString MegjelenithetoSzoveg(const QByteArray& nyers, int maxHossz) {
  // A UTF-8 character is at most 4 bytes: decoding more than this cannot
  // change what is shown, and keeps a long line cheap.
  const qsizetype dekodolando = std::min<qsizetype>(nyers.size(), qsizetype(maxHossz) * 4 + 4);
  const QString dekodolt = QString::fromUtf8(nyers.constData(), dekodolando);
  QString ki;
  ki.reserve(std::min<qsizetype>(dekodolt.size(), maxHossz));
  int karakterek = 0;
  bool vagott = dekodolando < nyers.size();
  for (qsizetype i = 0; i < dekodolt.size(); ++i) {
    if (karakterek >= maxHossz) {
      vagott = true;
      break;
    }
    char32_t kod = dekodolt[i].unicode();
    const bool par = QChar::isHighSurrogate(kod) && i + 1 < dekodolt.size() && dekodolt[i + 1].isLowSurrogate();
    if (par) kod = QChar::surrogateToUcs4(dekodolt[i], dekodolt[i + 1]);
    if (Veszelyes(kod)) kod = kCsere;
    if (QChar::requiresSurrogates(kod)) {
      ki += QChar(QChar::highSurrogate(kod));
      ki += QChar(QChar::lowSurrogate(kod));
    } else {
      ki += QChar(static_cast<char16_t>(kod));
    }
    if (par) ++i;
    ++karakterek;
  }
  if (vagott) ki += QStringLiteral(" … [%1 bájt]").arg(nyers.size());
  return ki;
}

QString EgysorosSzoveg(const QString& szoveg) {
  QString ki = szoveg;
  for (QChar& c : ki) {
    const auto kat = c.category();
    if (kat == QChar::Other_Control || kat == QChar::Separator_Line || kat == QChar::Separator_Paragraph) {
      c = QLatin1Char(' ');
    }
  }
  return ki;
}

bool EgysorosE(const QString& szoveg) { return EgysorosSzoveg(szoveg) == szoveg; }

bool ParancsEgyezik(const QByteArray& sor, std::string_view parancs) {
  if (static_cast<size_t>(sor.size()) != parancs.size()) return false;
  for (size_t i = 0; i < parancs.size(); ++i) {
    if (AsciiKisbetu(sor[static_cast<qsizetype>(i)]) != AsciiKisbetu(parancs[i])) return false;
  }
  return true;
}

}  // namespace zelvaris
