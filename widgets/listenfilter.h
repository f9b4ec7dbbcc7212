#pragma once

class QComboBox;

// The program's lists take no typed characters and do no keyboard search; a
// typed character only drops the list down. Arrow keys still move the
// choice. Applies to the list and its drop-down view.
void nurAuswahl(QComboBox* liste);
