#include "shell/ikonok.h"

#include <QString>
#include <map>

namespace zelvaris {

namespace {

// Image index -> file in data/icons (compiled in under :/ikonok).
const std::map<int, const char*>& IkonNevek() {
  static const std::map<int, const char*> nevek = {
      {2, "fogyaszto"},          {6, "start"},
      {7, "stop"},               {13, "bezar"},
      {19, "sugo"},              {22, "nevjegy"},
      {40, "tovabb"},            {53, "alkalmaz"},
      {55, "atmeretez"},         {56, "nagyito"},
      {60, "allat_urit"},        {61, "allat_ablakok"},
      {62, "allat_ablakok_bezar"}, {63, "allat_megnyitas"},
      {64, "allat_uj_ablak"},    {65, "allat_mentes"},
      {66, "allatok_teljes"},    {67, "deg_permet"},
      {69, "grafikon_ablakok"},  {70, "grafikon_ablakok_bezar"},
      {71, "gyogyit"},           {72, "kezelo"},
      {73, "kijelzo"},           {74, "terkep"},
      {75, "noveny_urit"},       {76, "noveny_ablakok"},
      {77, "noveny_ablakok_bezar"}, {78, "noveny_megnyitas"},
      {79, "noveny_uj_ablak"},   {80, "noveny_mentes"},
      {81, "novenyek_teljes"},   {82, "okoszisztema"},
      {83, "okocfg_megnyitas"},  {84, "okocfg_mentes"},
      {85, "uj_okoszisztema"},   {87, "okopill_megnyitas"},
      {88, "okopill_mentes"},    {89, "oko_urit"},
      {90, "permetek"},          {91, "tisztit"},
      {92, "per_permet"},        {94, "uj_allatfaj"},
      {95, "uj_novenyfaj"},      {96, "uj_grafikon"},
  };
  return nevek;
}

}  // namespace

QIcon AkcioKep(int index) {
  const auto& nevek = IkonNevek();
  auto it = nevek.find(index);
  if (it == nevek.end()) return {};
  return QIcon(QStringLiteral(":/ikonok/%1.svg").arg(QLatin1String(it->second)));
}

}  // namespace zelvaris
