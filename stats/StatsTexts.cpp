#include "stats/StatsTexts.h"

namespace {

struct Texts {
    const char *text[3];   // German, French, Italian
};

const Texts kTexts[] = {
    {{"Statistik der Fragen", "Statistiques des questions", "Statistiche delle domande"}},
    {{"Sie haben noch keine Fragen beantwortet.", "Vous n'avez encore répondu à aucune question.",
      "Non ha ancora risposto a nessuna domanda."}},
    {{"SCHLIESSEN", "FERMER", "CHIUDERE"}},
    {{"Dieser Fragebogen enthält keine Fragen !", "Ce questionnaire ne contient aucune question !",
      "Questo questionario non contiene domande !"}},
    {{"Dieser Fragebogen kann nicht wieder geöffnet werden !", "Ce questionnaire ne peut pas être rouvert !",
      "Questo questionario non può essere riaperto !"}},
    {{"FEHLER ÜBEN", "EXERCER LES ERREURS", "ESERCITARE GLI ERRORI"}},
    {{"Keine Frage ist zuletzt falsch beantwortet worden.", "Aucune question n'a été fausse la dernière fois.",
      "Nessuna domanda è stata sbagliata l'ultima volta."}},
    {{"Prüfungen : %1 von %2 bestanden – bereit", "Examens : %1 sur %2 réussis – prêt",
      "Esami : %1 su %2 superati – pronto"}},
    {{"Prüfungen : %1 von %2 bestanden – noch %3 zu bestehen", "Examens : %1 sur %2 réussis – encore %3 à réussir",
      "Esami : %1 su %2 superati – ancora %3 da superare"}},
};

const Texts kColumns[6] = {
    {{"Frage", "Question", "Domanda"}},
    {{"Thema", "Thème", "Tema"}},
    {{"Gestellt", "Posée", "Posta"}},
    {{"Richtig", "Juste", "Giusta"}},
    {{"Zuletzt beantwortet", "Dernière réponse", "Ultima risposta"}},
    {{"Letztes Resultat", "Dernier résultat", "Ultimo risultato"}},
};

int LanguageIndex(int languageNr)
{
    return languageNr >= 0 && languageNr <= 2 ? languageNr : 0;
}

} // namespace

QString StatsText(StatsTextId id, int languageNr)
{
    const auto i = static_cast<size_t>(id);
    return i < std::size(kTexts) ? QString::fromUtf8(kTexts[i].text[LanguageIndex(languageNr)]) : QString();
}

std::array<QString, 6> QuestionStatsColumnTitles(int languageNr)
{
    std::array<QString, 6> titles;
    for (size_t i = 0; i < titles.size(); ++i)
        titles[i] = QString::fromUtf8(kColumns[i].text[LanguageIndex(languageNr)]);
    return titles;
}
