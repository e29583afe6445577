// The house palette: every picture of the program folder is made of these colours only. They come
// in ramps of four steps from light to dark, the highlights leaning toward cream and the shadows
// toward lilac and plum, so that goods, people and rooms share one light.
#pragma once
#include <cstdint>
#include <vector>

#include "paint.h"

namespace ag {

struct Ramp {
  Col step[4];  // light to dark
};

// Where a colour sits in the palette.
struct RampStep {
  int ramp = 0, step = 0;
};

const std::vector<Ramp>& house_ramps();
// Every house colour: each step of each ramp, then the outline ink.
const std::vector<Col>& house_colours();

// The ramp step whose colour is nearest to c (by eye: distances in the Oklab space).
RampStep nearest_step(Col c);
// A step of a ramp, `steps` lighter (negative) or darker (positive) than rs, held to the ramp.
Col ramp_colour(RampStep rs, int steps = 0);
// The house colour nearest to c.
Col snap(Col c);
// The two house colours nearest to c and how far c lies from the first toward the second
// (0..1): an ordered dither between them renders a meant gradient.
struct Between {
  Col a, b;
  float t = 0;
};
Between between(Col c);

// The perceived difference of two colours (Oklab distance, about 0..1 for black to white).
float colour_distance(Col a, Col b);

}  // namespace ag
