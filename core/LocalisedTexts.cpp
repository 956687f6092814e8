#include "core/LocalisedTexts.h"

#include "core/modMain.h"

std::array<QString, 4> CategoryNames;
std::array<QString, 3> LanguageNames;
std::array<QString, 5> TitleTexts;
QString MistakesTitleText;
std::array<QString, 8> GradeGridHeaders;
std::array<QString, 5> HistoryColumnTitles;
QString GradeRightText, GradeWrongText;
QString AnswerAllMessage, ResultsBlockedTitle;
QString AskExplanationText1, AskExplanationText2;
QString StatsTitle, StatsColumnQuestionnaire, StatsColumnResult, StatsColumnComment;
QString StatsNeverDone, StatsDonePrefix, StatsDoneMiddle, StatsPercentSign;
QString StatsNoResult, StatsInsufficient, StatsAlmostOk, StatsOk, StatsThemeLabel;
QString UserDeleteTitle, UserDeleteTextStart, UserDeleteTextEnd;
QString RestartWarningTitle, RestartWarningText;
QString SettingsReadOnlyStart, SettingsReadOnlyEnd;
QString NoticeWrongPassword, NoticeUnknownQuestion, NoticeEmptyCategory, NoticeEmptyLesson;
QString NoticeUserNameMissing, NoticeUserNameTaken, NoticePasswordDigits, NoticeAdminNotDeletable;
QString DirectoryFileMissingStart, DirectoryFileMissingEnd;
QString UserDbServerNoteText;

namespace {

struct Row {
    QString *target;
    const char *text[3];   // German, French, Italian
};

const Row kCategoryNames[] = {
    {&CategoryNames[0], {"C - Lastwagen", "C - Camion", "C - Autocarri"}},
    {&CategoryNames[1], {"D - Gesellschaftswagen", "D - Car", "D - Autobus"}},
    {&CategoryNames[2], {"C1 - Feuerwehr", "C1 - Sapeurs-Pompiers", "C1 - Servizio antincendio"}},
    {&CategoryNames[3], {"D1 - Mini-Bus", "D1 - Mini-Bus", "D1 - Mini-Bus"}},
};

const Row kLanguageNames[] = {
    {&LanguageNames[0], {"Deutsch", "Allemand", "Tedesco"}},
    {&LanguageNames[1], {"Französich", "Français", "Francese"}},
    {&LanguageNames[2], {"Italienisch", "Italien", "Italiano"}},
};

const Row kTitleTexts[] = {
    {&TitleTexts[0], {"Fragebogen", "Questionnaire", "Formulario"}},
    {&TitleTexts[1], {"Frage", "Question", "Domanda"}},
    {&TitleTexts[2], {"Thema", "Thème", "Tema"}},
    {&TitleTexts[3], {"MIX", "MIX", "MIX"}},
    {&TitleTexts[4], {"PRÜFUNG", "EXAMEN", "ESAMI"}},
    {&MistakesTitleText, {"FEHLER", "ERREURS", "ERRORI"}},
};

const Row kGradeTexts[] = {
    {&GradeGridHeaders[0], {"Frage", "Question", "Domanda"}},
    {&GradeGridHeaders[1], {"Antwort", "Réponse", "Risposta"}},
    {&GradeGridHeaders[2], {"Resultat", "Résultat", "Risultato"}},
    {&GradeGridHeaders[3], {"Richtig", "Correct", "Corretto"}},
    {&GradeGridHeaders[4], {"Hilfe", "Aide", "Aiuto"}},
    {&GradeGridHeaders[5], {"Q.#", "Q.#", "Q.#"}},
    {&GradeGridHeaders[6], {"Buch", "Livre", "Libro"}},
    {&GradeGridHeaders[7], {"Thema", "Thème", "Tema"}},
    {&GradeRightText, {"richtig", "juste", "giusto"}},
    {&GradeWrongText, {"falsch", "faux", "sbagliato"}},
};

const Row kHistoryTexts[] = {
    {&HistoryColumnTitles[0], {"Datum", "Date", "Data"}},
    {&HistoryColumnTitles[1], {"Dauer", "Durée", "Durata"}},
    {&HistoryColumnTitles[2], {"Resultat", "Résultat", "Risultato"}},
    {&HistoryColumnTitles[3], {"Fragebogen", "Questionnaire", "Questionari"}},
    {&HistoryColumnTitles[4], {"Thema", "Thème", "Tema"}},
};

const Row kMessageTexts[] = {
    {&AnswerAllMessage, {"Sie müssen zuerst alle Fragen beantworten !",
                         "Vous devez d'abord répondre à toutes les questions !",
                         "Dovete rispondere a tutte le domande !"}},
    {&ResultsBlockedTitle, {"Ergebnisse können nicht angezeigt werden",
                            "Impossible d'afficher les résultats",
                            "I risultati non possono essere visualizzati"}},
    {&AskExplanationText1, {"Erklärung", "demandez", "chieda"}},
    {&AskExplanationText2, {"verlangen", "explications", "spiegazione"}},
    {&UserDeleteTitle, {"Benützer löschen", "Effacer un utilisateur", "Cancellare un utente"}},
    {&UserDeleteTextStart, {"Wollen Sie wirklich den Benützer '",
                            "Désirez-vous vraiment effacer l'utilisateur '",
                            "Desideri veramente cancellare l'utente '"}},
    {&UserDeleteTextEnd, {"' löschen ?", "' ?", "' ?"}},
    {&RestartWarningTitle, {"Warnung :", "Attention :", "Attenzione :"}},
    {&SettingsReadOnlyStart, {"Die Einstellungen können nicht gespeichert werden, die Datei '",
                              "Les réglages ne peuvent pas être enregistrés, le fichier '",
                              "Le impostazioni non possono essere salvate, il file '"}},
    {&SettingsReadOnlyEnd, {"' ist schreibgeschützt ! Es wurde nichts geändert.",
                            "' est protégé en écriture ! Rien n'a été modifié.",
                            "' è protetto da scrittura ! Nulla è stato modificato."}},
    {&NoticeWrongPassword, {"Falsches Passwort !", "Mot de passe incorrect !", "Password errata !"}},
    {&NoticeUnknownQuestion, {"Diese Frage gibt es in Ihrer Kategorie nicht !",
                              "Cette question n'existe pas dans votre catégorie !",
                              "Questa domanda non esiste nella sua categoria !"}},
    {&NoticeEmptyCategory, {"Ihre Kategorie enthält keine Fragen !",
                            "Votre catégorie ne contient aucune question !",
                            "La sua categoria non contiene domande !"}},
    {&NoticeEmptyLesson, {"Diese Lektion enthält keine Fragen !",
                          "Cette leçon ne contient aucune question !",
                          "Questa lezione non contiene domande !"}},
    {&NoticeUserNameMissing, {"Geben Sie einen Namen ein !", "Introduisez un nom !", "Inserisca un cognome !"}},
    {&NoticeUserNameTaken, {"Diesen Namen hat schon ein anderer Benützer !",
                            "Un autre utilisateur porte déjà ce nom !",
                            "Un altro utente ha già questo cognome !"}},
    {&NoticePasswordDigits, {"Das Passwort besteht aus 1 bis 254 Ziffern !",
                             "Le mot de passe se compose de 1 à 254 chiffres !",
                             "La parola d'accesso è composta da 1 a 254 cifre !"}},
    {&NoticeAdminNotDeletable, {"Der Administrator kann nicht gelöscht werden !",
                                "L'administrateur ne peut pas être effacé !",
                                "L'amministratore non può essere cancellato !"}},
    {&DirectoryFileMissingStart, {"Die Datei '", "Le fichier '", "Il file '"}},
    {&DirectoryFileMissingEnd, {"' gibt es nicht ! Wollen Sie dieses Verzeichnis trotzdem verwenden ?",
                                "' n'existe pas ! Voulez-vous quand même utiliser ce répertoire ?",
                                "' non esiste ! Vuole comunque usare questa cartella ?"}},
    {&UserDbServerNoteText, {"Die Benützerdatenbank liegt auf einem Datenbankserver. Er wird in der INI-Datei "
                             "jedes Arbeitsplatzes eingestellt.",
                             "La base des utilisateurs se trouve sur un serveur de bases de données. Il se règle "
                             "dans le fichier INI de chaque poste de travail.",
                             "La banca dati degli utenti si trova su un server di banche dati. Si imposta nel file "
                             "INI di ogni postazione di lavoro."}},
};

const Row kStatsTexts[] = {
    {&StatsTitle, {"Statistiken", "Statistiques", "Statistiche"}},
    {&StatsColumnQuestionnaire, {"Fragebogen", "Questionnaire", "Questionari"}},
    {&StatsColumnResult, {"Ergebnis", "Résultat", "Risultati"}},
    {&StatsColumnComment, {"Kommentar", "Commentaire", "Commento"}},
    {&StatsNeverDone, {"Nie gemacht !", "Jamais Fait !", "Non fatto mai !"}},
    {&StatsDonePrefix, {"", "Fait ", "Fatto "}},
    {&StatsDoneMiddle, {" mal gemacht, bestes Resultat: ", " x, meilleur score: ", " volte, risultato migliore: "}},
    {&StatsPercentSign, {"%", "%", "%"}},
    {&StatsNoResult, {"-", "-", "-"}},
    {&StatsInsufficient, {"Ungenügend ...", "Insuffisant ...", "Insufficiente ..."}},
    {&StatsAlmostOk, {"Fast OK ...", "Presque OK ...", "Quasi OK ..."}},
    {&StatsOk, {"OK !", "OK !", "OK !"}},
    {&StatsThemeLabel, {"Thema :", "Thème :", "Tema :"}},
};

// The restart warning names the program: the text is split around its name.
const char *const kRestartWarning[3][2] = {
    {"Starten Sie ", " erneut um diese Aenderung zu aktivieren !"},
    {"Redemmarez ", " pour que cette modification soit activée !"},
    {"Inizi ancora ", ", per attivare questo cambiamento !"},
};

template <size_t N>
void fill(const Row (&rows)[N], int languageNr)
{
    for (const Row &r : rows)
        *r.target = QString::fromUtf8(r.text[languageNr]);
}

} // namespace

void LocalisedTextsFill(int languageNr)
{
    if (languageNr < 0 || languageNr > 2)
        return;
    fill(kCategoryNames, languageNr);
    fill(kLanguageNames, languageNr);
    fill(kTitleTexts, languageNr);
    fill(kGradeTexts, languageNr);
    fill(kHistoryTexts, languageNr);
    fill(kMessageTexts, languageNr);
    fill(kStatsTexts, languageNr);
    RestartWarningText = QString::fromUtf8(kRestartWarning[languageNr][0]) + ProgramBaseName()
                         + QString::fromUtf8(kRestartWarning[languageNr][1]);
}

QString QuestionStripToolTipPrefix(int languageNr)
{
    static const char *const prefix[3] = {"Frage ", "Question ", "Domanda "};
    return languageNr >= 0 && languageNr <= 2 ? QString::fromUtf8(prefix[languageNr]) : QString();
}
