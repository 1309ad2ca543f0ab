#include "net/szerver_naplo.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

#include "localisation/program_uzenetek.h"
#include "net/net_szovegek.h"
#include "net/form_bejelentkezesek.h"

namespace zelvaris {

QString KimaradtSorokJele(qint64 db, const TNyelviTabla* tabla) {
  return NetUzenet(tabla, TUzenet(kKimaradtSorokUzenet, {std::to_string(db)}));
}

TSzerverNaplo::TSzerverNaplo(QPlainTextEdit* naplo, TForm_Jelentkezesek* jelentkezesek,
                             TNaploKorlatok korlatok, QObject* szulo)
    : QObject(szulo), korlatok_(korlatok), naplo_(naplo), jelentkezesek_(jelentkezesek) {
  korlatok_.MaxSorok = std::max(1, korlatok_.MaxSorok);
  korlatok_.MaxNevek = std::max(1, korlatok_.MaxNevek);
  korlatok_.SorokKotegenkent = std::max(1, korlatok_.SorokKotegenkent);
  // The log is only read: an undo history would keep every line ever shown.
  if (naplo_) naplo_->setUndoRedoEnabled(false);
  koteg_.setSingleShot(true);
  koteg_.setInterval(korlatok_.KotegIdo);
  connect(&koteg_, &QTimer::timeout, this, &TSzerverNaplo::Koteg);
}

void TSzerverNaplo::Sor(const QString& sor) {
  sorok_.append(sor);
  if (sorok_.size() > korlatok_.MaxSorok) {
    sorok_.removeFirst();
    ++elotteKimaradtSorok_;
  }
  if (!koteg_.isActive()) koteg_.start();
}

void TSzerverNaplo::Jelentkezo(const QString& nev) {
  nevek_.append(nev);
  if (nevek_.size() > korlatok_.MaxNevek) {
    nevek_.removeFirst();
    ++elotteKimaradtNevek_;
  }
  if (!koteg_.isActive()) koteg_.start();
}

void TSzerverNaplo::Kiiras() {
  koteg_.stop();
  koteg_.setInterval(korlatok_.KotegIdo);
  NaploIras(sorok_.size());
  NevekKiirasa(nevek_.size());
}

void TSzerverNaplo::Koteg() {
  NaploIras(std::min<qsizetype>(sorok_.size(), korlatok_.SorokKotegenkent));
  NevekKiirasa(std::min<qsizetype>(nevek_.size(), korlatok_.SorokKotegenkent));
  if (sorok_.isEmpty() && nevek_.isEmpty()) {
    koteg_.setInterval(korlatok_.KotegIdo);
  } else {
    koteg_.setInterval(korlatok_.FolytatasIdo);
    koteg_.start();
  }
}

void TSzerverNaplo::NevekKiirasa(qsizetype db) {
  if (db <= 0) return;
  if (jelentkezesek_) {
    jelentkezesek_->NevekHozzaadasa(nevek_.first(db), korlatok_.MaxNevek, elotteKimaradtNevek_);
    elotteKimaradtNevek_ = 0;
    nevek_.remove(0, db);
  } else {
    nevek_.clear();
  }
}

// The oldest lines go before the new ones come, so a burst of a whole cap
// never makes the view hold twice its cap.
void TSzerverNaplo::NaploIras(qsizetype db) {
  if (db <= 0) return;
  if (!naplo_) {
    sorok_.clear();
    return;
  }
  const QStringList ujak = sorok_.first(db);
  sorok_.remove(0, db);
  QTextDocument* dokumentum = naplo_->document();
  const bool ures = dokumentum->isEmpty();
  const qsizetype meglevo = ures ? 0 : dokumentum->blockCount() - (vanJel_ ? 1 : 0);
  const qsizetype torlendo = std::clamp<qsizetype>(meglevo + ujak.size() - korlatok_.MaxSorok, 0, meglevo);
  const qint64 kimaradt = torlendo + elotteKimaradtSorok_;
  elotteKimaradtSorok_ = 0;
  if (kimaradt > 0) {
    QTextCursor kurzor(dokumentum);
    kurzor.beginEditBlock();
    if (torlendo > 0) {
      kurzor.movePosition(QTextCursor::Start);
      if (torlendo == meglevo) {
        // Everything below the mark goes, with the line break after it.
        if (vanJel_) kurzor.movePosition(QTextCursor::EndOfBlock);
        kurzor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
      } else {
        if (vanJel_) kurzor.movePosition(QTextCursor::NextBlock);
        kurzor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, static_cast<int>(torlendo));
      }
      kurzor.removeSelectedText();
    }
    kimaradtSorok_ += kimaradt;
    kurzor.movePosition(QTextCursor::Start);
    if (vanJel_) {
      kurzor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
      kurzor.insertText(KimaradtSorokJele(kimaradtSorok_, tabla_));
    } else if (dokumentum->isEmpty()) {
      kurzor.insertText(KimaradtSorokJele(kimaradtSorok_, tabla_));
    } else {
      kurzor.insertText(KimaradtSorokJele(kimaradtSorok_, tabla_));
      kurzor.insertBlock();
    }
    vanJel_ = true;
    kurzor.endEditBlock();
  }
  // One append per batch.
  naplo_->appendPlainText(ujak.join(QLatin1Char('\n')));
}

}  // namespace zelvaris
