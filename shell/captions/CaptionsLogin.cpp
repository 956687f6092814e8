// Captions of the login screen.
#include "shell/captions/CaptionTables.h"

namespace {
using P = CaptionProperty;
const CaptionRow kRows[] = {
    {"frameLogin", P::Caption, 0, {{"Login"}, {"Login"}, {"Login"}}},
    {"frameLoginPassword", P::Caption, 0,
     {{"Geben Sie Ihr Passwort ein :"}, {"Introduisez votre mot de passe :"},
      {"Registrate la vostra parola d'ordine :"}}},
    {"cmdLoginOK", P::Caption, 0, {{"OK"}, {"OK"}, {"OK"}}},
};
} // namespace

const CaptionTable CaptionsLogin{"Login", kRows, std::size(kRows)};
