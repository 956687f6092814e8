// Captions, tags and tool tips of the question screen and the enlarged picture.
#include "shell/captions/CaptionTables.h"

namespace {
using P = CaptionProperty;
const CaptionRow kRows[] = {
    {"lblQAQuestionNr", P::Tag, 0, {{"Frage"}, {"Question"}, {"Domanda"}}},
    {"lblQABookPage", P::Tag, 0, {{"Seite"}, {"Page"}, {"Pagina"}}},
    {"frameQuestion", P::Caption, 0, {{"Frage"}, {"Question"}, {"Domanda"}}},
    {"cmdQARevealAnswer", P::Caption, 0, {{"ANTWORT"}, {"RÉPONSE"}, {"RISPOSTE"}}},
    {"cmdQAQuit", P::Caption, 0, {{"ABBRECHEN"}, {"ARRETER"}, {"CANCELLARE"}}},
    {"cmdQAGrade", P::Caption, 0, {{"ERGEBNIS"}, {"RÉSULTAT"}, {"RISULTATO"}}},
    {"IHImgQAPicture", P::ToolTip, 0,
     {{"Klick = Bild vergrössern"}, {"Clic = image agrandie"}, {"Clic = immagine grande"}}},
    {"IHImgPictureBig", P::ToolTip, 0,
     {{"Klick = Normal Bild"}, {"Clic = image normale"}, {"Clic = immagine normale"}}},
};
} // namespace

const CaptionTable CaptionsQA{"QA", kRows, std::size(kRows)};
