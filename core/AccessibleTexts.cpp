#include "core/AccessibleTexts.h"

#include "core/AppState.h"

#include <iterator>

namespace {

struct Row {
    AccessibleTextId id;
    const char *text[3];   // German, French, Italian
};

const Row kRows[] = {
    {AccessibleTextId::Answered, {"beantwortet", "répondue", "risposta data"}},
    {AccessibleTextId::Current, {"aktuell", "actuelle", "attuale"}},
    {AccessibleTextId::PreviousQuestion, {"Vorherige Frage", "Question précédente", "Domanda precedente"}},
    {AccessibleTextId::NextQuestion, {"Nächste Frage", "Question suivante", "Domanda successiva"}},
    {AccessibleTextId::Delete, {"Löschen", "Effacer", "Cancella"}},
    {AccessibleTextId::ClearAll, {"Alles löschen", "Tout effacer", "Cancella tutto"}},
    {AccessibleTextId::Users, {"Benützer", "Utilisateurs", "Utenti"}},
    {AccessibleTextId::Password, {"Passwort", "Mot de passe", "Password"}},
    {AccessibleTextId::Picture, {"Bild", "Image", "Immagine"}},
    {AccessibleTextId::BookChange, {"Buch wechseln", "Changer de livre", "Cambiare libro"}},
    {AccessibleTextId::Questionnaire, {"Fragebogen", "Questionnaire", "Questionario"}},
    {AccessibleTextId::RevealShown, {"Antwort angezeigt", "Réponse affichée", "Risposta mostrata"}},
    {AccessibleTextId::RevealChanged,
     {"Antwort nach dem Anzeigen geändert", "Réponse changée après affichage", "Risposta cambiata dopo la visualizzazione"}},
    {AccessibleTextId::QuestionNumber, {"Fragenummer", "Numéro de la question", "Numero della domanda"}},
    {AccessibleTextId::QuestionStatsShow,
     {"Statistik der Fragen zeigen", "Afficher les statistiques des questions", "Mostrare le statistiche delle domande"}},
    {AccessibleTextId::QuestionStatsPrint,
     {"Statistik der Fragen drucken", "Imprimer les statistiques des questions", "Stampare le statistiche delle domande"}},
};

} // namespace

QString AccessibleText(AccessibleTextId id, int languageNr)
{
    const int l = languageNr >= 0 && languageNr <= 2 ? languageNr : 0;
    for (const Row &row : kRows)
        if (row.id == id)
            return QString::fromUtf8(row.text[l]);
    return QString();
}

QString AccessibleText(AccessibleTextId id) { return AccessibleText(id, CurrentLanguageNr); }
