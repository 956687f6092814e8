// Captions of the theme questionnaires screen.
#include "shell/captions/CaptionTables.h"

namespace {
using P = CaptionProperty;
const CaptionRow kRows[] = {
    {"frameThemes", P::Caption, 0,
     {{"Themen Fragebogen"}, {"Questionnaires par Thèmes"}, {"Domande per Temi"}}},
    {"cmdThemesStatsShow", P::Caption, 0,
     {{"STATS", "ZEIGEN"}, {"AFFICHER", "STATS"}, {"MOSTRI", "STATS"}}},
    {"cmdThemesStatsPrint", P::Caption, 0,
     {{"STATS", "DRUCKEN"}, {"IMPRIMER", "STATS"}, {"STAMPA", "STATS"}}},
    {"cmdThemesQuit", P::Caption, 0, {{"VERLASSEN"}, {"QUITTER"}, {"ESCI"}}},
};
} // namespace

const CaptionTable CaptionsThemes{"Themes", kRows, std::size(kRows)};
