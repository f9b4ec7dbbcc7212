#pragma once

// Links of the help windows and the software catalogue. A link is written as
// a host with an optional path and no scheme ("velmar.de/support");
// the address opened adds the scheme, "www." and the referral suffix that
// tells the maker's site where the visitor came from.

#include "app/bedienelemente.h"

#include <QAbstractButton>
#include <QLabel>
#include <QString>

// The origin letter of every link in the help windows and the catalogue.
inline constexpr char herkunftHilfe = 'h';

// "http://www." + link + "&rf=su" + origin letter; a bare ".de" or ".com"
// host gets a slash before the suffix so that the suffix lands in the path
// and not in the host name. Only the first occurrence of each ending is
// touched, the ".de" one first.
QString verweisAdresse(const QString& link, QChar herkunft = QLatin1Char(herkunftHilfe));

// Opens the address made from a link label's caption.
void BrowseToCaption(const QLabel* label);

// Opens the address made from a button's hint (its tooltip).
void BrowseToHint(const QAbstractButton* knopf);

// A link label: dark red, bold, underlined, transparent, hand cursor; its
// caption is the link, and a click opens it. Placed with its top left at
// (links, oben), but pulled left where a long caption would run past
// rechterRand, so that no host is cut off.
KlickLabel* verweisLabel(QWidget* eltern, const QString& link, int links, int oben, int rechterRand = -1);
