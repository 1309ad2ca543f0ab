#include "monitors/korfa_vaszon.h"

#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>
#include <algorithm>
#include <vector>

namespace zelvaris {

namespace {
// The largest range handed to the scroll bar; beyond it a step stands for many rows.
constexpr int64_t GorgetoHatar = int64_t{1} << 30;
const QColor Ezust(192, 192, 192);

// An image rectangle moved into view coordinates and clamped just outside
// the view, so that cut edges stay out of sight.
QRect Nezetbe(const korfa::TTeglalap& t, int64_t teteje, int szel, int mag) {
  auto szorit = [](int64_t v, int64_t also, int64_t felso) { return std::clamp(v, also, felso); };
  const int64_t bal = szorit(t.Bal, -2, szel + 2);
  const int64_t jobb = szorit(t.Jobb, -2, szel + 2);
  const int64_t fel = szorit(t.Felso - teteje, -2, mag + 2);
  const int64_t le = szorit(t.Also - teteje, -2, mag + 2);
  return QRect(QPoint(static_cast<int>(bal), static_cast<int>(fel)),
               QPoint(static_cast<int>(jobb) - 1, static_cast<int>(le) - 1));
}
}  // namespace

TKorfaVaszon::TKorfaVaszon(QWidget* szulo) : QAbstractScrollArea(szulo) {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setFrameShape(QFrame::StyledPanel);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

void TKorfaVaszon::SetTartalom(const TKorfaSorok* sorok, const QColor& savSzin, int64_t savSzam,
                               int64_t osztalyokSavonkent, const korfa::TBeallitas& beallitas) {
  sorok_ = sorok;
  savSzin_ = savSzin;
  savSzam_ = savSzam;
  osztalyokSavonkent_ = std::max<int64_t>(1, osztalyokSavonkent);
  beallitas_ = beallitas;
}

int64_t TKorfaVaszon::KepSzelesseg() const { return viewport()->width(); }

int64_t TKorfaVaszon::TenylegesMagassag() const {
  return kepMagassag_ < 0 ? viewport()->height() : kepMagassag_;
}

void TKorfaVaszon::SetKepMagassag(int64_t h) {
  kepMagassag_ = std::max<int64_t>(1, h);
  GorgetoBeallitas();
  Aljara();
  Rajzolas();
}

void TKorfaVaszon::Aljara() { verticalScrollBar()->setValue(verticalScrollBar()->maximum()); }

int64_t TKorfaVaszon::Teteje() const {
  const QScrollBar* g = verticalScrollBar();
  if (maxTeteje_ <= 0 || g->maximum() <= 0) return 0;
  if (maxTeteje_ <= GorgetoHatar) return g->value();
  // Scaled: the ends of the bar reach the ends of the image exactly.
  const auto ertek = static_cast<__int128>(g->value()) * maxTeteje_ / g->maximum();
  return static_cast<int64_t>(ertek);
}

void TKorfaVaszon::GorgetoBeallitas() {
  const int lathato = viewport()->height();
  maxTeteje_ = std::max<int64_t>(0, TenylegesMagassag() - lathato);
  QScrollBar* g = verticalScrollBar();
  const bool aljan = g->value() >= g->maximum();
  if (maxTeteje_ <= GorgetoHatar) {
    g->setRange(0, static_cast<int>(maxTeteje_));
    g->setPageStep(std::max(1, lathato));
    g->setSingleStep(20);
  } else {
    g->setRange(0, static_cast<int>(GorgetoHatar));
    const int64_t sorPerLepes = maxTeteje_ / GorgetoHatar + 1;
    g->setPageStep(static_cast<int>(std::max<int64_t>(1, lathato / sorPerLepes)));
    g->setSingleStep(1);
  }
  if (aljan) Aljara();
}

void TKorfaVaszon::SetEngedelyezett(bool v) {
  engedelyezett_ = v;
  if (v) Rajzolas();
}

void TKorfaVaszon::Rajzolas() {
  if (!engedelyezett_ || !isVisible()) return;
  KepkockaKeres();
}

bool TKorfaVaszon::TNezet::UgyanazAKeret(const TNezet& m) const {
  return ervenyes == m.ervenyes && szel == m.szel && mag == m.mag && h == m.h && teteje == m.teteje &&
         engedelyezett == m.engedelyezett && vanSorok == m.vanSorok && savSzin == m.savSzin &&
         osztalyokSavonkent == m.osztalyokSavonkent && beallitas.SavSzelesseg == m.beallitas.SavSzelesseg &&
         beallitas.SavHossz == m.beallitas.SavHossz && beallitas.Korbeosztas == m.beallitas.Korbeosztas;
}

// Bands outside those recorded have no bars.
std::array<int64_t, 2> TKorfaVaszon::TNezet::Hossz(int64_t sav) const {
  const int64_t i = sav - elsoSav;
  if (i < 0 || i >= static_cast<int64_t>(hosszak.size())) return {0, 0};
  return hosszak[static_cast<size_t>(i)];
}

TKorfaVaszon::TNezet TKorfaVaszon::AktualisNezet() const {
  TNezet n;
  n.ervenyes = true;
  n.szel = viewport()->width();
  n.mag = viewport()->height();
  n.h = TenylegesMagassag();
  n.teteje = Teteje();
  n.engedelyezett = engedelyezett_;
  n.vanSorok = sorok_ != nullptr;
  n.savSzin = savSzin_;
  n.osztalyokSavonkent = osztalyokSavonkent_;
  n.beallitas = beallitas_;
  if (!engedelyezett_ || sorok_ == nullptr || savSzam_ <= 0) return n;
  const korfa::TSavTartomany savok =
      korfa::LathatoSavok(n.h, beallitas_.SavSzelesseg, savSzam_, n.teteje, n.teteje + n.mag);
  n.elsoSav = savok.Elso;
  for (int64_t b = savok.Elso; b <= savok.Utolso; ++b) {
    const int64_t no = korfa::SavOsszeg(*sorok_, 1, b, osztalyokSavonkent_);
    const int64_t ferfi = korfa::SavOsszeg(*sorok_, 0, b, osztalyokSavonkent_);
    n.hosszak.push_back({korfa::SavHosszPx(no, beallitas_.SavHossz), korfa::SavHosszPx(ferfi, beallitas_.SavHossz)});
  }
  return n;
}

QRegion TKorfaVaszon::NezetFrissites() {
  TNezet uj = AktualisNezet();
  QRegion valtozas;
  if (!uj.UgyanazAKeret(nezet_)) {
    valtozas = viewport()->rect();
  } else if (uj.hosszak != nezet_.hosszak || uj.elsoSav != nezet_.elsoSav) {
    // Only a bar's far end moves: the columns between its old and new end,
    // with the outline on either side, over the band's rows.
    // Many pieces become their bounds (see Kepkocka); adding them to a
    // region one by one would cost time quadratic in their number.
    constexpr size_t legfeljebbDarab = 8;
    std::vector<QRect> darabok;
    QRect hatar;
    const int64_t c = uj.szel / 2;
    const int64_t tol = std::min(uj.elsoSav, nezet_.elsoSav);
    const int64_t ig = std::max(uj.elsoSav + static_cast<int64_t>(uj.hosszak.size()),
                                nezet_.elsoSav + static_cast<int64_t>(nezet_.hosszak.size()));
    for (int64_t b = tol; b < ig; ++b) {
      const auto regi = nezet_.Hossz(b);
      const auto most = uj.Hossz(b);
      if (regi == most) continue;
      const korfa::TTeglalap sor = korfa::Lefedes(korfa::NoiSav(uj.szel, uj.h, b, uj.beallitas.SavSzelesseg, 0));
      auto veg = [&](int64_t v1, int64_t v2) {
        if (v1 == v2) return;
        const QRect r = Nezetbe({std::min(v1, v2) - 1, sor.Felso, std::max(v1, v2) + 1, sor.Also}, uj.teteje,
                                uj.szel, uj.mag);
        if (r.isEmpty()) return;
        hatar |= r;
        if (darabok.size() <= legfeljebbDarab) darabok.push_back(r);
      };
      veg(c + regi[0], c + most[0]);
      veg(c + 1 - regi[1], c + 1 - most[1]);
    }
    if (darabok.size() > legfeljebbDarab) {
      valtozas = hatar;
    } else {
      for (const QRect& r : darabok) valtozas += r;
    }
  }
  nezet_ = std::move(uj);
  return valtozas;
}

void TKorfaVaszon::Kepkocka() {
  const QRegion valtozas = NezetFrissites();
  if (valtozas.isEmpty()) return;
  // Painting clipped to a region of many pieces costs more than filling
  // their bounds outright.
  if (valtozas.rectCount() > 8) {
    viewport()->update(valtozas.boundingRect());
  } else {
    viewport()->update(valtozas);
  }
}

void TKorfaVaszon::paintEvent(QPaintEvent* esemeny) {
  // Counts may have moved since the last frame: what changed outside this
  // event's area is owed too.
  const QRegion valtozas = NezetFrissites().subtracted(esemeny->region());
  if (!valtozas.isEmpty()) viewport()->update(valtozas);

  QPainter p(viewport());
  // A frame's area is many small pieces: each is painted on its own with
  // plain rectangles, so no fill is ever clipped against the whole region.
  for (const QRect& terulet : esemeny->region()) Festes(p, terulet);
}

void TKorfaVaszon::Festes(QPainter& p, const QRect& terulet) {
  const TNezet& n = nezet_;
  const int szel = n.szel;
  const int mag = n.mag;
  const int64_t w = szel;
  const int64_t h = n.h;
  const int64_t teteje = n.teteje;
  auto kitolt = [&](const QRect& r, const QColor& szin) {
    const QRect resz = r & terulet;
    if (!resz.isEmpty()) p.fillRect(resz, szin);
  };
  // A fill under the event's whole clip region would go through the
  // clipped span blender; this piece's own rectangle keeps it a plain fill.
  p.setClipRect(terulet);
  const QColor hatter = palette().color(QPalette::Window);
  if (!n.engedelyezett) {
    kitolt(terulet, hatter);
    return;
  }
  // Below a short image the area shows its own background; the image
  // itself is painted over, so its pixels are not filled twice.
  const QRect kep = Nezetbe({0, 0, w, h}, teteje, szel, mag);
  for (const QRect& r : QRegion(terulet).subtracted(kep)) kitolt(r, hatter);
  kitolt(kep, Ezust);
  // The centre line's last point, as every line's, is not drawn.
  const int64_t c = w / 2;
  kitolt(Nezetbe({c, 0, c + 1, h - 1}, teteje, szel, mag), Qt::black);
  if (n.hosszak.empty()) return;

  auto sav = [&](const korfa::TSarokPar& sarkok) {
    const korfa::TTeglalap t = korfa::Lefedes(sarkok);
    if (t.Ures()) return;
    // Black outline, filled inside with the bar colour.
    kitolt(Nezetbe(t, teteje, szel, mag), Qt::black);
    const korfa::TTeglalap belso{t.Bal + 1, t.Felso + 1, t.Jobb - 1, t.Also - 1};
    if (!belso.Ures()) kitolt(Nezetbe(belso, teteje, szel, mag), n.savSzin);
  };
  // Only the bands reaching these rows, in the full paint's order.
  const int64_t utolso = n.elsoSav + static_cast<int64_t>(n.hosszak.size()) - 1;
  const korfa::TSavTartomany savok = korfa::LathatoSavok(h, n.beallitas.SavSzelesseg, utolso + 1,
                                                         teteje + terulet.top(), teteje + terulet.bottom() + 1);
  for (int64_t b = std::max(savok.Elso, n.elsoSav); b <= savok.Utolso; ++b) {
    const auto [no, ferfi] = n.Hossz(b);
    sav(korfa::NoiSav(w, h, b, n.beallitas.SavSzelesseg, no));
    sav(korfa::FerfiSav(w, h, b, n.beallitas.SavSzelesseg, ferfi));
  }
}

void TKorfaVaszon::resizeEvent(QResizeEvent* esemeny) {
  QAbstractScrollArea::resizeEvent(esemeny);
  GorgetoBeallitas();
  Aljara();
}

void TKorfaVaszon::showEvent(QShowEvent* esemeny) {
  QAbstractScrollArea::showEvent(esemeny);
  viewport()->update();
}

void TKorfaVaszon::scrollContentsBy(int, int) { viewport()->update(); }

}  // namespace zelvaris
