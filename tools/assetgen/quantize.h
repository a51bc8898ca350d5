#pragma once

#include <QImage>

// Reduces an opaque picture to at most maxColours colours by median cut and
// returns it as Format_Indexed8. Pictures with few enough colours keep them
// exactly. Deterministic: the same picture always gives the same palette.
QImage quantize(const QImage &image, int maxColours);
