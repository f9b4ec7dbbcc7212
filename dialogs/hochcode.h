#pragma once

// The score code and the submission address of the high-score dialog. Kept
// free of widgets so the whole range of inputs can be checked quickly.

#include "engine/zufall.h"

#include <QString>

namespace hochcode {

// Shared with the high-score site, which decodes with the same values.
//
//   v      = (points - subtrahend) * multiplier + addend
//   check  = digit sum of the first 21 code digits + checkOffset
//
// With these values every points value from 25541 (the high-score threshold)
// up to 43708 (the best possible start: free 9 x 9, 23 revealed, symbols)
// gives v between 324 586 045 and 412 096 484: always nine digits, far from
// the 32-bit limit.
//
// Decoding a 23-digit code C on the site (positions counted from 1 in the
// string as it stands at that step, each removal shortening it):
//   1. Digits 23 and 22 are the units and tens digit of the check; strip them.
//      The digit sum of the remaining 21 digits plus checkOffset must end in
//      those two digits.
//   2. Remove the digits at positions 11, 7, 3 and 1 (in this order); they
//      are random filler 0..7.
//   3. Remove position 5: element set, 2 R, 4 B, 6 S, 8 K, 0 C.
//   4. Remove position 10: game kind (1 classic 9 x 9, 8 or 9 free board).
//   5. Remove position 1: units digit of the revealed count; then remove
//      position 7: its tens digit.
//   6. Remove position 2: units digit of the first digit sum; then remove
//      position 9: its tens digit. The 11 digits left must add up to it.
//   7. Remove positions 4 and 5: a random number 12..89.
//   8. The nine digits left are v; points = (v - addend) / multiplier +
//      subtrahend, and the division must leave no remainder.
inline constexpr int subtrahend = 2473;
inline constexpr int multiplier = 4817;
inline constexpr int addend = 213467489;
inline constexpr int checkOffset = 37;

// Path and query that follow the site's base address.
inline constexpr const char* pfad = "/index.php?ziel=zazovorarhighscore&name=";

// The code for the hidden labels' texts (points, game kind, revealed count,
// element letter). Draws one number below 78 and then four below 8 from the
// given source.
QString codeBilden(const QString& punkte, const QString& spielart, const QString& aufgedeckt,
                   const QString& elemente, Zufallsquelle& zufall);

// The name as it goes into the address: UTF-8, every byte other than
// A-Z a-z 0-9 - . _ ~ written as %XX (a space as %20), so that no name can
// end the name value or add fields of its own.
QString nameKodieren(const QString& name);

// Base address for the language + path + the already encoded name +
// "&code=" + code.
QString adresse(bool deutsch, const QString& kodierterName, const QString& code);

// The name sent when the field is left empty (not yet encoded).
QString standardName(bool deutsch);

}  // namespace hochcode
