// Captions of the questionnaire history.
#include "shell/captions/CaptionTables.h"

namespace {
using P = CaptionProperty;
const CaptionRow kRows[] = {
    {"frameHistory", P::Caption, 0,
     {{"Fragebögen Archiv"}, {"Historique des Questionnaires"}, {"Archivio Questionari"}}},
    {"lblHistoryName", P::Caption, 0, {{"Name :"}, {"Nom :"}, {"Cognome :"}}},
    {"lblHistoryCategoryNr", P::Caption, 0, {{"Kategorie :"}, {"Catégorie :"}, {"Categoria :"}}},
    {"cmdHistoryReview", P::Caption, 0,
     {{"FRAGE-", "BOGEN", "ZEIGEN"}, {"REVOIR", "QUESTION-", "NAIRE"},
      {"MOSTRI", "QUESTIO-", "NARIO"}}},
    {"cmdHistoryQuit", P::Caption, 0, {{"FERTIG"}, {"TERMINÉ"}, {"FINITO"}}},
};
} // namespace

const CaptionTable CaptionsHistory{"History", kRows, std::size(kRows)};
