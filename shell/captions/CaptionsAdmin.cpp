// Captions of the administration screen and its settings tab.
#include "shell/captions/CaptionTables.h"

namespace {
using P = CaptionProperty;
const CaptionRow kRows[] = {
    {"frameAdmin", P::Caption, 0, {{"Administration"}, {"Administration"}, {"Amministrazione"}}},
    {"cmdAdminOK", P::Caption, 0, {{"OK"}, {"OK"}, {"OK"}}},
    {"cmdAdminQuit", P::Caption, 0,
     {{"PROGRAMM", "VERLASSEN"}, {"QUITTER LE", "PROGRAMME"}, {"USCIRE DAL", "PROGRAMMA"}}},
    {"tabAdmin", P::Tab, 1,
     {{"Benützer Verwaltung"}, {"Gestion des utilisateurs"}, {"Gestione utenti"}}},
    {"tabAdmin", P::Tab, 2, {{"Einstellungen"}, {"Configuration"}, {"Configurazione"}}},
    {"frameUserShow", P::Caption, 0,
     {{"Benützer Daten"}, {"Données de l'utilisateur"}, {"Dati utente"}}},
    {"lblUserName", P::Caption, 0, {{"Name :"}, {"Nom :"}, {"Cognome :"}}},
    {"lblUserPassword", P::Caption, 0,
     {{"Passwort :"}, {"Mot de Passe :"}, {"Parola d'accesso :"}}},
    {"lblUserLanguageNr", P::Caption, 0, {{"Sprache :"}, {"Langue :"}, {"Lingua :"}}},
    {"lblUserCategoryNr", P::Caption, 0, {{"Kategorie :"}, {"Catégorie :"}, {"Categoria :"}}},
    {"lblUserBookNr", P::Caption, 0, {{"Buch :"}, {"Livre :"}, {"Libro :"}}},
    {"lblUserComment", P::Caption, 0, {{"Bemerkung :"}, {"Commentaire :"}, {"Commento :"}}},
    {"lblUserActivity", P::Caption, 0, {{"Aktivität :"}, {"Activité :"}, {"Attività :"}}},
    {"frameUserActive", P::Caption, 0, {{"Benützer :"}, {"Utilisateur :"}, {"Utente :"}}},
    {"chkUserActive_0", P::Caption, 0, {{"Aktiv"}, {"Actif"}, {"Attivo"}}},
    {"chkUserActive_1", P::Caption, 0, {{"Deaktiviert"}, {"Désactivé"}, {"Disattivato"}}},
    {"cmdUserAdd", P::Caption, 0,
     {{"BENÜTZER ERZEUGEN"}, {"AJOUTER UTILISATEUR"}, {"AGGIUNGI UTENTE"}}},
    {"cmdUserSearch", P::Caption, 0,
     {{"BENÜTZER SUCHEN"}, {"CHERCHER UTILISATEUR"}, {"RICERCA UTENTE"}}},
    {"cmdUserEdit", P::Caption, 0,
     {{"BENÜTZER ÄNDERN"}, {"MODIFIER UTILISATEUR"}, {"MODIFICA UTENTE"}}},
    {"cmdUserDel", P::Caption, 0,
     {{"BENÜTZER LÖSCHEN"}, {"EFFACER UTILISATEUR"}, {"CANCELLA UTENTE"}}},
    {"cmdUserHistory", P::Caption, 0,
     {{"FRAGEBÖGEN", "ARCHIV"}, {"HISTORIQUE", "QUESTION-", "NAIRES"},
      {"ARCHIVIO", "QUESTIONARI"}}},
    {"framePathSettings", P::Caption, 0, {{"Verzeichnisse"}, {"Répertoires"}, {"Indici"}}},
    {"lblQuestionDBPath", P::Caption, 0, {{"Fragen DB :"}, {"DB Questions :"}, {"Domanda DB :"}}},
    {"lblUserDBPath", P::Caption, 0,
     {{"Benützer DB :"}, {"DB Utilisateurs :"}, {"Utente DB :"}}},
    {"lblPicPath", P::Caption, 0, {{"Bilder :"}, {"Images :"}, {"Imagine :"}}},
    {"cmdQuestionDBPathSelect", P::Caption, 0, {{"Aendern"}, {"Modifier"}, {"Modifica"}}},
    {"cmdUserDBPathSelect", P::Caption, 0, {{"Aendern"}, {"Modifier"}, {"Modifica"}}},
    {"cmdPicPathSelect", P::Caption, 0, {{"Aendern"}, {"Modifier"}, {"Modifica"}}},
};
} // namespace

const CaptionTable CaptionsAdmin{"Admin", kRows, std::size(kRows)};
