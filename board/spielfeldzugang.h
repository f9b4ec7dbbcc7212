#pragma once

// The board as assistive technology sees it: a table of N x N cells, each
// named by its row, column and content ("row 3, column 4: 7, given"), the
// keyboard's cursor being the focused cell.
void brettZugangEinrichten();
