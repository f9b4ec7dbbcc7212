#pragma once

// The icons of the software catalogue, in catalogue order. The asset
// generator draws one 32 x 32 picture per name as ":/hilfe/programm_<name>.png";
// the catalogue frames load them by the same names.

#include <array>

inline constexpr std::array<const char*, 16> katalogBilder{
    "sudoku",   "solitaer", "minen",   "schach",    "kalender", "notizen", "wecker",   "rechner",
    "bilder",   "suche",    "tresor",  "vokabeln",  "kreuzwort", "lupe",   "haushalt", "tippen",
};
