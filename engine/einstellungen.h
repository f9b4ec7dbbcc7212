#pragma once

#include <array>
#include <cstdint>

// The game settings by index. The main window fills its lists in this order
// from its language's texts and maps the chosen item back to these values.

struct Voreinstellung {
    int32_t spielart;
    int32_t aufgedeckt;
    char elemente;
};

// Presets 0..6 of the preset list; item 7 is the user-defined setting.
inline constexpr std::array<Voreinstellung, 7> voreinstellungen{{
    {4, 8, 'B'},   // free training
    {6, 20, 'B'},  // free beginner
    {7, 20, 'B'},  // free advanced
    {9, 25, 'B'},  // free professional
    {1, 60, 'B'},  // classic beginner
    {1, 40, 'B'},  // classic advanced
    {1, 20, 'B'},  // classic professional
}};
inline constexpr int benutzerdefiniertIndex = 7;
inline constexpr int standardVoreinstellung = 5;  // classic advanced

// Board kinds 0..7: free 3x3 .. 9x9, then the classic 9x9.
inline constexpr std::array<int32_t, 8> spielarten{3, 4, 5, 6, 7, 8, 9, 1};
inline constexpr int standardSpielart = 7;

// Element sets 0..4: red numbers, blue numbers, symbols, classic, characters.
inline constexpr std::array<char, 5> elementsaetze{'R', 'B', 'S', 'K', 'C'};
inline constexpr int standardElemente = 1;

// Puzzles per page offered in print mode.
inline constexpr std::array<int32_t, 3> felderProSeite{1, 2, 6};
inline constexpr int standardFelderProSeite = 2;

inline constexpr int32_t feldgroesseVon(int32_t spielart) { return spielart == 1 ? 9 : spielart; }

// How many revealed cells the user-defined setting offers for an N x N board
// (both 9 x 9 kinds share the row for 9).
struct Aufdeckbereich {
    int32_t niedrigst;
    int32_t hoechst;
    constexpr int32_t mitte() const { return (niedrigst + hoechst) / 2; }
};

constexpr Aufdeckbereich aufdeckbereich(int32_t n)
{
    switch (n) {
    case 3: return {3, 6};
    case 4: return {6, 10};
    case 5: return {8, 16};
    case 6: return {11, 28};
    case 7: return {15, 32};
    case 8: return {18, 50};
    default: return {23, 60};
    }
}

// Points a game starts with; the clock takes one every 50 ms.
constexpr int32_t startpunkte(int32_t spielart, int32_t aufgedeckt, char elemente)
{
    const int32_t n = feldgroesseVon(spielart);
    int32_t p = n * (n - 1) * (n - 2) * (100 - aufgedeckt);
    if (spielart == 1)
        p -= 3000;
    if (elemente == 'S')
        p += 100 * (n - 2) * (n - 2);
    return p;
}

inline constexpr int32_t uhrIntervallMs = 50;

// A finished game with at least this many points may enter the high-score table.
inline constexpr int32_t highscoreSchwelle = 25541;
