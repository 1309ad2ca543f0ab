#pragma once
// The whole window program: the application context and the sixteen fixed
// windows, created in their start-up order. The main window comes first and
// runs the start-up steps; every other window starts hidden and, as it is
// made, subscribes itself to the context: the loaded texts and every later
// language, the species, the world.

#include <QObject>
#include <filesystem>
#include <memory>

#include "app/alkalmazas_kornyezet.h"
#include "shell/form_fo.h"

namespace zelvaris {

class TForm_Allat_Teljes;
class TForm_Atmeretez;
class TForm_ClientMode;
class TForm_Goc;
class TForm_Jelentkezesek;
class TForm_Kezelo;
class TForm_Kijelzes;
class TForm_Ngy;
class TForm_Oko;
class TForm_Permetek;
class TForm_Tkp;
class TForm_UjAllat;
class TForm_UjGrafikon;
class TForm_UjNoveny;
class TForm_UjOkoszisztema;

class TProgram {
 public:
  // `modalis` is not owned; null shows the real dialogs.
  explicit TProgram(std::filesystem::path programKonyvtar, TModalisFelulet* modalis = nullptr);
  ~TProgram();
  TProgram(const TProgram&) = delete;
  TProgram& operator=(const TProgram&) = delete;

  TAlkalmazasKornyezet& Kornyezet() { return *kornyezet_; }
  TForm_Fo& Fo() { return *fo_; }
  const TForm_Fo::TAblakok& Ablakok() const { return fo_->Ablakok(); }

 private:
  void Elhelyezes();

  std::unique_ptr<TAlkalmazasKornyezet> kornyezet_;
  std::unique_ptr<TForm_Fo> fo_;
  std::unique_ptr<TForm_Kezelo> kezelo_;
  std::unique_ptr<TForm_Oko> oko_;
  std::unique_ptr<TForm_Allat_Teljes> allatTeljes_;
  std::unique_ptr<TForm_Permetek> permetek_;
  std::unique_ptr<TForm_Kijelzes> kijelzes_;
  // The seed-point dialog comes twelfth, but the map needs it at creation;
  // it is made early and takes its place in the order below.
  std::unique_ptr<TForm_Goc> goc_;
  std::unique_ptr<TForm_Tkp> tkp_;
  std::unique_ptr<TForm_Ngy> ngy_;
  std::unique_ptr<TForm_UjNoveny> ujNoveny_;
  std::unique_ptr<TForm_UjAllat> ujAllat_;
  std::unique_ptr<TForm_UjGrafikon> ujGrafikon_;
  std::unique_ptr<TForm_UjOkoszisztema> ujOkoszisztema_;
  std::unique_ptr<TForm_Atmeretez> atmeretez_;
  std::unique_ptr<TForm_ClientMode> clientMode_;
  std::unique_ptr<TForm_Jelentkezesek> jelentkezesek_;
};

}  // namespace zelvaris
