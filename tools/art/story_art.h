#pragma once
// Shapes shared by the intro, ending and newspaper pictures: course scenes painted into a
// rectangle, a flat golfer figure, trophies, glints and the grey newsprint look. The players' faces
// are the avatar's own (avatar_heads.h).

#include <string>

#include "tools/art/canvas.h"

namespace art {

// The course background of `type` and `variant`, scaled to cover the rectangle (cropped evenly).
void PaintCourse(cairo_t* cr, const std::string& type, int variant, double x, double y, double w,
                 double h);
// Turns everything drawn so far in the rectangle to grey, then warms it slightly (newsprint).
void Newsprint(cairo_t* cr, double x, double y, double w, double h, double warmth = 0.06);
void Stroke(cairo_t* cr, const Rgb& c, double width);

// A golfer seen from the side at (x, ground), `h` tall: 0 address, 1 follow-through, 2 walking,
// 3 arms raised. `shirt` and `trousers` colour the clothes; `lady` gives a ponytail.
void Golfer(cairo_t* cr, double x, double ground, double h, int pose, const Rgb& shirt,
            const Rgb& trousers, bool lady, bool facing_left = false);

// A brass trophy cup, `h` tall, standing on (cx, base). `style` 0..4 changes its shape.
void TrophyCup(cairo_t* cr, double cx, double base, double h, int style);

// A four-pointed glint with a soft halo, `r` in radius, brightness 0..1.
void Glint(cairo_t* cr, double cx, double cy, double r, double brightness, double angle = 0);

// Grey lines standing for a column of small print.
void PrintLines(cairo_t* cr, double x, double y, double w, double h, double pitch, unsigned seed);

}  // namespace art
