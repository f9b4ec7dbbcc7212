#pragma once

// What assistive technology (a screen reader, through Qt's accessibility and
// AT-SPI on Linux) learns of the program's own controls: picture buttons are
// buttons with their captions as names and a press action, and the status
// bar is a bar of four panels, each named by its text.
void zugangEinrichten();
