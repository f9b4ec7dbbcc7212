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

#include <QChar>
#include <QString>

// Hands an address to the user's browser. The result is not examined: where
// no browser starts, nothing visible happens.
void adresseOeffnen(const QString& adresse);

// The origin letter of every link in the help windows and the catalogue.
inline constexpr char herkunftHilfe = 'h';

// A link is written as a host with an optional path and no scheme
// ("velmar.de/support"). The address opened is "http://www." + link +
// "&rf=su" + origin letter; a bare ".de" or ".com" host gets a slash before
// the suffix so that the suffix lands in the path and not in the host name.
// Only the first occurrence of each ending is touched, the ".de" one first.
QString verweisAdresse(const QString& link, QChar herkunft = QLatin1Char(herkunftHilfe));
