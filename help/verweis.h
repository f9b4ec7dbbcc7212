#pragma once

// Links of the help windows and the software catalogue. A link is written as
// a host with an optional path and no scheme ("velmar.de/support");
// the address opened adds the scheme, "www." and the referral suffix that
// tells the maker's site where the visitor came from.

#include "widgets/adressen.h"
#include "widgets/klicklabel.h"

#include <QAbstractButton>
#include <QLabel>
#include <QString>

// Opens the address made from a link label's caption.
void BrowseToCaption(const QLabel* label);

// Opens the address made from a button's hint (its tooltip).
void BrowseToHint(const QAbstractButton* knopf);

// The left edge of a caption breite pixels wide that should start at links
// but end at rechterRand at the latest: pulled left just far enough, though
// never past 0. A negative rechterRand sets no limit.
int verweisLinks(int links, int breite, int rechterRand);

// The same for a link on a help page seitenBreite wide: a caption that would
// run past the page's right edge ends 5 pixels inside it.
int hilfeVerweisLinks(int links, int breite, int seitenBreite);

// A link label: dark red, bold, underlined, transparent, hand cursor; its
// caption is the link, and a click opens it. Placed with its top left at
// (links, oben), but pulled left where a long caption would run past
// rechterRand (verweisLinks), so that no host is cut off.
KlickLabel* verweisLabel(QWidget* eltern, const QString& link, int links, int oben, int rechterRand = -1);
