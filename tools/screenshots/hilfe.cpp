#include "tools/screenshots/aufnahmen.h"

void aufnahmenHilfe(const QDir&)
{
}
