#pragma once
// How this reader likes the reading text shown, kept in the user's settings file for the next
// start: the zoom (points added to the size chosen in the options) and paper under a dark theme.

namespace kivra {

constexpr int ReadingZoomStep = 2;
constexpr int SmallestReadingSize = 6;

int ReadingZoom();
// Sets the zoom, held between a little smaller than the options' size and very large, and keeps
// it; returns the zoom set.
int SetReadingZoom(int points);
// The size of the reading text for the options' size under the zoom.
int ZoomedSize(int optionsSize);

// Under a dark theme the reading panes take the theme's colours unless paper is chosen.
bool PaperLook();
void SetPaperLook(bool paper);

} // namespace kivra
