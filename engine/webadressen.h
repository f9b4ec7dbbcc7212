#pragma once

// Every host of the maker that the program names or opens, in one place.
// Domain names are bare (no "www."); links put "http://www." in front.
namespace webadressen {

// The software site: home of this program, help, support, donations.
inline constexpr const char* softwareDe = "velmar.de";
inline constexpr const char* softwareInt = "velmar.com";

// The maker's personal site (web design and services).
inline constexpr const char* persoenlichDe = "velmar-media.de";
inline constexpr const char* persoenlichInt = "velmar-media.com";

// Base addresses (scheme and host) of the high-score site.
inline constexpr const char* highscoreDe = "http://www.velmar.de";
inline constexpr const char* highscoreInt = "http://www.velmar.com";

// The web addresses printed under puzzles and shown on the splash picture.
inline constexpr const char* adresseDe = "www.velmar.de";
inline constexpr const char* adresseInt = "www.velmar.com";

}  // namespace webadressen
