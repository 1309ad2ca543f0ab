#include "net/szerver_naplo.h"

#include <QPlainTextEdit>

#include "net/form_bejelentkezesek.h"

namespace zelvaris {

TSzerverNaplo::TSzerverNaplo(QPlainTextEdit* naplo, TForm_Jelentkezesek* jelentkezesek,
                             TNaploKorlatok korlatok, QObject* szulo)
    : QObject(szulo), korlatok_(korlatok), naplo_(naplo), jelentkezesek_(jelentkezesek) {
  korlatok_.MaxSorok = std::max(1, korlatok_.MaxSorok);
  korlatok_.MaxNevek = std::max(1, korlatok_.MaxNevek);
  korlatok_.MaxSorKotegenkent = std::max(1, korlatok_.MaxSorKotegenkent);
  if (naplo_) naplo_->setMaximumBlockCount(korlatok_.MaxSorok);
  koteg_.setSingleShot(true);
  koteg_.setInterval(korlatok_.KotegIdo);
  connect(&koteg_, &QTimer::timeout, this, &TSzerverNaplo::Kiiras);
}

void TSzerverNaplo::Sor(const QString& sor) {
  sorok_.append(sor);
  if (sorok_.size() > korlatok_.MaxSorKotegenkent) {
    sorok_.removeFirst();
    ++kihagyottSorok_;
  }
  if (!koteg_.isActive()) koteg_.start();
}

void TSzerverNaplo::Jelentkezo(const QString& nev) {
  nevek_.append(nev);
  // Under a flood the list could not keep older names of a burst anyway.
  if (nevek_.size() > std::min(korlatok_.MaxNevek, korlatok_.MaxSorKotegenkent)) nevek_.removeFirst();
  if (!koteg_.isActive()) koteg_.start();
}

void TSzerverNaplo::Kiiras() {
  koteg_.stop();
  if (kihagyottSorok_ > 0) {
    sorok_.prepend(QStringLiteral("… %1 sor kimaradt a naplóból").arg(kihagyottSorok_));
    kihagyottSorok_ = 0;
  }
  if (naplo_ && !sorok_.isEmpty()) {
    // One append per batch; the view drops its oldest lines past the cap.
    naplo_->appendPlainText(sorok_.join(QLatin1Char('\n')));
  }
  if (jelentkezesek_ && !nevek_.isEmpty()) jelentkezesek_->NevekHozzaadasa(nevek_, korlatok_.MaxNevek);
  sorok_.clear();
  nevek_.clear();
}

}  // namespace zelvaris
