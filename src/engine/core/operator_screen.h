// Actions of the operator screen: push buttons, value knobs, showing and moving items,
// and leaving the program.
#pragma once

#include <string>

namespace tessaro {

class Board;
class Messages;
class ScreenView;
struct ProcessImage;

// Toggles on-screen push button n (1..6) and shows its on or off picture.
void KnopClick(ProcessImage& image, ScreenView& view, int n);

// The picture files of push button n.
std::string KnopPicture(int n, bool on);

// Value knob n (1..5) now shows `value` (0..255).
void KnobChanged(ProcessImage& image, int n, int value);

// Show or hide item i and record it, as the layout editor's check box does.
void SetItemVisible(ProcessImage& image, ScreenView& view, int item, bool visible);

// Move item i and record it, as the layout editor's position boxes do.
void SetItemLeft(ProcessImage& image, ScreenView& view, int item, int left);
void SetItemTop(ProcessImage& image, ScreenView& view, int item, int top);

// "Exit": asks "Afsluiten?"; on Yes closes the board and returns true (the program ends).
bool ExitClick(Messages& messages, Board& board);

}  // namespace tessaro
