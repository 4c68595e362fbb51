#pragma once
// Menu mnemonics for every command: an item whose caption has no "&" gets one, so that each
// command of a menu can be reached with its letter. The letter chosen is the first letter of a
// word of the caption that no other item of the same menu uses, else any free letter or digit
// of it; captions that choose their own letter keep it. Submenus get theirs too.

class QMenu;
class QMenuBar;

namespace sv {

void AddMissingMnemonics(QMenu* menu);
void AddMissingMnemonics(QMenuBar* bar);

} // namespace sv
