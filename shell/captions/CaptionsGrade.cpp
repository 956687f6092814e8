// Captions of the grade screen.
#include "shell/captions/CaptionTables.h"

namespace {
using P = CaptionProperty;
const CaptionRow kRows[] = {
    {"frameGrade", P::Caption, 0, {{"Ergebnis"}, {"Résultats"}, {"Risultati"}}},
    {"cmdGradeReview", P::Caption, 0,
     {{"FRAGE", "ZEIGEN"}, {"REVOIR", "QUESTION"}, {"MOSTRI", "DOMANDE"}}},
    {"cmdGradePrint", P::Caption, 0, {{"DRUCKEN"}, {"IMPRIMER"}, {"STAMPA"}}},
    {"cmdGradeQuit", P::Caption, 0, {{"FERTIG"}, {"TERMINÉ"}, {"FINITO"}}},
    {"lblGradeQNr", P::Caption, 0,
     {{"Anzahl Fragen :"}, {"Nombre de questions :"}, {"Numero di domande :"}}},
    {"lblGradeQRight", P::Caption, 0,
     {{"Richtige Antworte :"}, {"Questions correctes :"}, {"Domande esatte :"}}},
    {"lblGradePercentRight", P::Caption, 0,
     {{"Prozent richtige :"}, {"Pourcentage correct :"}, {"Percentuale esatte :"}}},
};
} // namespace

const CaptionTable CaptionsGrade{"Grade", kRows, std::size(kRows)};
