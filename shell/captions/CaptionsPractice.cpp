// Captions of the practice menu.
#include "shell/captions/CaptionTables.h"

namespace {
using P = CaptionProperty;
const CaptionRow kRows[] = {
    {"framePractice", P::Caption, 0, {{"Lernen"}, {"Apprendre"}, {"Imparare"}}},
    {"lblPracticeQuestionnaires", P::Caption, 0, {{"Fragebögen"}, {"Questionnaires"}, {"Questionari"}}},
    {"cmdPracticeMix", P::Caption, 0, {{"MIX"}, {"MIX"}, {"MIX"}}},
    {"cmdPracticeThemes", P::Caption, 0, {{"THEMEN"}, {"THÈMES"}, {"TEMI"}}},
    {"cmdPracticeExam", P::Caption, 0, {{"PRÜFUNG"}, {"EXAMEN"}, {"ESAMI"}}},
    {"cmdPracticeStatsShow", P::Caption, 0,
     {{"STATS", "ZEIGEN"}, {"AFFICHER", "STATS"}, {"MOSTRI", "STATS"}}},
    {"cmdPracticeStatsPrint", P::Caption, 0,
     {{"STATS", "DRUCKEN"}, {"IMPRIMER", "STATS"}, {"STAMPA", "STATS"}}},
    {"lblPracticeQuestion", P::Caption, 0, {{"Frage"}, {"Question"}, {"Domanda"}}},
    {"cmdPracticeQuestion", P::Caption, 0, {{"OK"}, {"OK"}, {"OK"}}},
    {"cmdPracticeQuestionStatsShow", P::Caption, 0,
     {{"STATS", "ZEIGEN"}, {"AFFICHER", "STATS"}, {"MOSTRI", "STATS"}}},
    {"cmdPracticeQuestionStatsPrint", P::Caption, 0,
     {{"STATS", "DRUCKEN"}, {"IMPRIMER", "STATS"}, {"STAMPA", "STATS"}}},
    {"cmdPracticeHistory", P::Caption, 0,
     {{"FRAGE-", "BÖGEN", "ARCHIV"}, {"HISTORIQUE", "QUESTION-", "NAIRES"},
      {"ARCHIVIO", "QUESTIO-", "NARI"}}},
    {"cmdPracticeQuit", P::Caption, 0, {{"VERLASSEN"}, {"QUITTER"}, {"ESCI"}}},
};
} // namespace

const CaptionTable CaptionsPractice{"Practice", kRows, std::size(kRows)};
