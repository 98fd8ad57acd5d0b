// The gallery's saved window place across DPI changes: the rectangle is saved
// in pixels together with the DPI it was saved at, and restored scaled to the
// DPI of the run that reads it, so a window saved at one DPI comes back the
// same size in the same place on the screen at another (and exactly as saved
// at the same DPI). Plain arithmetic, no Windows headers (the tests build it in).
#pragma once

namespace window_place {

struct Rect
{
    long left = 0, top = 0, right = 0, bottom = 0;
};

// A rectangle saved in pixels at nSavedDpi (0 or less: saved by a gallery
// that kept no DPI, which ran at 96), in pixels at nDpi, rounded.
Rect Rescale(const Rect& rcSaved, int nSavedDpi, int nDpi);
// The same, then fitted into the work area rcWork (in the pixels at nDpi):
// a window larger than the work area shrinks to it, and one partly outside
// moves in. An empty or inverted rectangle, or an empty work area, is only
// rescaled.
Rect Restore(const Rect& rcSaved, int nSavedDpi, int nDpi, const Rect& rcWork);

}
