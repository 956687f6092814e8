// Caption of the language screen: the same in every language.
#include "shell/captions/CaptionTables.h"

namespace {
using P = CaptionProperty;
const CaptionRow kRows[] = {
    {"frameLanguage", P::Caption, 0,
     {{"Sprache / Langue / Lingua"}, {"Sprache / Langue / Lingua"}, {"Sprache / Langue / Lingua"}}},
};
} // namespace

const CaptionTable CaptionsLanguage{"Language", kRows, std::size(kRows)};
