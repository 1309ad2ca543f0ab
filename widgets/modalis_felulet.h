#pragma once
// Every modal interaction of the program goes through this interface, owned
// by the application: message boxes, yes/no questions, file and colour
// dialogs and the program's own dialogs. The real one shows them; tests
// install one that answers at once, without a nested event loop.

#include <QColor>
#include <QString>
#include <optional>

class QDialog;
class QWidget;

namespace zelvaris {

class TModalisFelulet {
 public:
  enum class TUzenetFajta { Informacio, Figyelmeztetes, Hiba };

  virtual ~TModalisFelulet() = default;

  virtual void Uzenet(QWidget* szulo, TUzenetFajta fajta, const QString& cim, const QString& szoveg) = 0;
  // True for Yes.
  virtual bool IgenNem(QWidget* szulo, const QString& cim, const QString& kerdes) = 0;
  // The chosen file, or an empty string when cancelled. `szuro` is a Qt
  // filter such as "Öko konfig. (*.okocfg)". The save dialog asks before
  // overwriting an existing file.
  virtual QString FajlMegnyitas(QWidget* szulo, const QString& cim, const QString& konyvtar,
                                const QString& szuro) = 0;
  virtual QString FajlMentes(QWidget* szulo, const QString& cim, const QString& konyvtar,
                             const QString& szuro) = 0;
  // The chosen colour, or nothing when cancelled.
  virtual std::optional<QColor> Szin(QWidget* szulo, const QColor& kezdo) = 0;
  // Shows one of the program's own dialogs modally; returns QDialog::Accepted
  // or QDialog::Rejected.
  virtual int Dialogus(QDialog& dialogus) = 0;
};

// The interface as a person meets it: Qt's standard dialogs and exec().
class TValodiModalisFelulet : public TModalisFelulet {
 public:
  void Uzenet(QWidget* szulo, TUzenetFajta fajta, const QString& cim, const QString& szoveg) override;
  bool IgenNem(QWidget* szulo, const QString& cim, const QString& kerdes) override;
  QString FajlMegnyitas(QWidget* szulo, const QString& cim, const QString& konyvtar,
                        const QString& szuro) override;
  QString FajlMentes(QWidget* szulo, const QString& cim, const QString& konyvtar,
                     const QString& szuro) override;
  std::optional<QColor> Szin(QWidget* szulo, const QColor& kezdo) override;
  int Dialogus(QDialog& dialogus) override;
};

// Suppresses the change handlers of editors, panels and lists while code
// fills their controls. Nestable: handlers run only at depth 0, so a fill
// inside another fill keeps the outer one guarded.
class TEsemenyEngedely {
 public:
  bool Engedelyezett() const { return melyseg_ == 0; }

  class TZar {
   public:
    explicit TZar(TEsemenyEngedely& e) : e_(e) { ++e_.melyseg_; }
    ~TZar() { --e_.melyseg_; }
    TZar(const TZar&) = delete;
    TZar& operator=(const TZar&) = delete;

   private:
    TEsemenyEngedely& e_;
  };

 private:
  int melyseg_ = 0;
};

}  // namespace zelvaris
