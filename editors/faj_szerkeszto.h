#pragma once
// One species editor window, shared by the animal and the plant editor: the
// two differ only in their description (boxes, fields, texts, files). Every
// change goes into the species at once and is pushed through the hub; the
// window in turn follows the hub for its own species.

#include <QPoint>
#include <QRgb>
#include <QSize>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <string_view>
#include <vector>

#include "app/faj_mezok.h"
#include "core/uzenet.h"

class QAction;
class QComboBox;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QScrollArea;

namespace zelvaris {

class TAlkalmazasKornyezet;
class TCsukhatoDoboz;
class TFajKozpont;
class TNyelviTabla;
class TSzerkesztoSpin;

// The largest movement radius the editor gives a species: the disc of radius
// 25,230 holds at most 2,000,000,000 cells besides its centre, the next one
// more, so every budget of the field's range has a radius at or below it.
inline constexpr int32_t kLegnagyobbMozgasSugar = 25230;

// One row of an editor: what control, where, and what it edits.
struct TSorLeiras {
  enum class TFajta { Azonosito, Nev, Spin, Lista, Jelzo, MozgasPlusz };
  TFajta Fajta;
  const char* Vezerlo;  // control name, also its language key
  const char* Cimke;    // label name ("Lbl_Kor"); null: built-in `Felirat`
  const char* Felirat;  // built-in label text where no language key covers it
  int Doboz;            // index into TSzerkesztoLeiras::Dobozok
  TFajMezo Mezo{};
  int64_t Minimum = 0;
  int64_t Maximum = 0;
  int64_t Lepes = 1;
  QRgb Szin = 0xFFFFFFFF;
  // Leaving the emptied field puts the species' value back.
  bool Visszatoltes = true;
};

struct TDobozLeiras {
  const char* Nev;  // "GB_Azon"
  bool Csukhato;
  bool Nyitva;
  int CsukottMagassag;  // designed heights in pixels; equal for a fixed box
  int NyitottMagassag;
};

struct TSzerkesztoLeiras {
  TFajFajta Fajta;
  std::string_view Elotag;     // language-key prefix: "ca", "cn"
  std::string_view Urlap;      // "Form_Allat"
  const char* Valaszto;        // "CmB_AllatFaj"
  // Texts from the language table.
  const TUzenetMinta* BetoltesTipp;  // hint of ToolBtn_Open
  const TUzenetMinta* MentesTipp;    // hint of ToolBtn_Save
  const TUzenetMinta* SzinTipp;      // hint of ToolBtn_Szin (may be null)
  QString MegnyitasIkon;       // resource of the open button's image
  QString MentesIkon;
  const TUzenetMinta* Szuro;   // file dialog filter
  const char* Konyvtar;        // the dialogs' directory under the program
  std::string_view Kiterjesztes;
  QPoint ElsoHely;             // where the first window of the list opens
  QSize Meret;
  std::vector<TDobozLeiras> Dobozok;
  std::vector<TSorLeiras> Sorok;
};

class TFajSzerkeszto : public QWidget {
  Q_OBJECT

 public:
  TFajSzerkeszto(TAlkalmazasKornyezet& kornyezet, const TSzerkesztoLeiras& leiras,
                 QWidget* szulo = nullptr);
  ~TFajSzerkeszto() override;

  TFajFajta Fajta() const { return leiras_.Fajta; }
  const TSzerkesztoLeiras& Leiras() const { return leiras_; }
  // The Id of the species shown; -1 before the first FajValaszt.
  int32_t FajIndex() const { return fajIndex_; }

  // Shows species `index`; a negative or unknown index does nothing. The
  // chooser's selection is left as it is.
  void FajValaszt(int32_t index);
  // Writes every control from the species, with the event guard held.
  void Kitolt();
  void SzovegekAlkalmazasa(const TNyelviTabla& tabla);
  // Fills the chooser with every species of the kind, without a selection.
  void ValasztoFeltoltese();

  // The two file buttons and the colour button, as their clicks run them.
  void Betoltes();
  void Mentes();
  void SzinValasztas();

 protected:
  // Shown, the boxes take their final fonts: the window fits them again.
  void showEvent(QShowEvent* esemeny) override;

 private:
  void Illesztes();
  struct TSor {
    const TSorLeiras* Leiras;
    QLabel* Cimke = nullptr;
    TSzerkesztoSpin* Spin = nullptr;
    QLineEdit* Szoveg = nullptr;
    QCheckBox* Jelzo = nullptr;
  };

  TElolenyFaj* Faj() const;
  bool Engedelyezett() const;
  void FeluletEpites();
  static bool SugarSor(const TSor& sor);
  // The species value a field's text stands for (the radius is clamped).
  static int64_t TaroltErtek(const TSor& sor, int64_t ertek);

  // Change handlers of the controls.
  void SpinValtozas(TSor& sor);
  void SpinKilepes(TSor& sor);
  void SpinTarolas(TSor& sor, int64_t ertek);
  void ListaKilepes(TSor& sor);
  void JelzoValtozas(TSor& sor, bool ertek);
  void NevValtozas(const QString& szoveg);

  // The hub's pushes for this window.
  void MezoFrissites(TFajMezo mezo);
  void SpinIras(TSor& sor, int64_t ertek, bool mindig);
  void MozgasIras(bool mindig);
  void NevIras();
  void SzinIras();
  void Atnevezve(TFajFajta fajta, int32_t id);

  TAlkalmazasKornyezet& kornyezet_;
  TFajKozpont& kozpont_;
  const TSzerkesztoLeiras& leiras_;
  int32_t fajIndex_ = -1;
  std::vector<TSor> sorok_;
  std::vector<TCsukhatoDoboz*> dobozok_;
  QComboBox* valaszto_ = nullptr;
  QLineEdit* id_ = nullptr;
  QLineEdit* nev_ = nullptr;
  QLineEdit* mozgasPlusz_ = nullptr;
  QFrame* szinMinta_ = nullptr;
  QAction* megnyitas_ = nullptr;
  QAction* mentes_ = nullptr;
  QAction* szin_ = nullptr;
  QScrollArea* gorgeto_ = nullptr;
  // Set while a list field's error message is up, so that the focus it takes
  // cannot run the leave handler a second time.
  bool listaUzenet_ = false;
};

}  // namespace zelvaris
