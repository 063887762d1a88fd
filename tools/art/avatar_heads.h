#pragma once
// The faces of the game's golfers: five gents and five ladies, the same person wherever they are
// drawn (the avatar's head layers, the avatar chooser's portraits, the title's snapshot, the
// ending). Each drawer paints in avatar space: the head's layer box has its top-left corner at the
// current origin and is 150 x 130 (gent) or 160 x 150 (lady) logical pixels; scale the context to
// draw it larger or smaller.

#include <cairo.h>

#include "tools/art/canvas.h"

namespace art {

constexpr int AVATAR_LOOKS = 5;  // looks 1..5 of each sex
constexpr int GENT_HEAD_W = 150, GENT_HEAD_H = 130;
constexpr int LADY_HEAD_W = 160, LADY_HEAD_H = 150;

// The skin colour of a look (1..5), shared by its head, hands and legs.
Rgb AvatarSkin(bool male, int look);

// A gent's head (look 1..5); `stash` adds his moustache.
void DrawGentHead(cairo_t* cr, int look, bool stash);
// A lady's head (look 1..5); `hat` puts on her sun hat.
void DrawLadyHead(cairo_t* cr, int look, bool hat);
// The moustache of a gent's head with stash (look 1..5 gives its colour) and the sun hat of a
// lady's head with hat, alone, at their places in avatar space.
void DrawMoustache(cairo_t* cr, int look);
void DrawSunHat(cairo_t* cr);
// Spectacles of the looks that wear them (gent 1, ladies 1 and 3), drawn in the spectacles
// layer's own box: its top-left corner at the origin, 68 x 26.
void DrawSpectacles(cairo_t* cr, bool male, int look);
// Head and shoulders of a look (with spectacles where the look wears them), centred in the box
// (x, y, w, h) on a transparent ground: for portraits and snapshots.
void DrawAvatarPortrait(cairo_t* cr, bool male, int look, double x, double y, double w, double h);

// The style every part of a golfer is drawn in: flat fills with a warm dark outline.
namespace figure {
constexpr double PI = 3.14159265358979;
// The outline colour of a fill.
Rgb Outline(const Rgb& c);
// Fills the current path and strokes it with the colour's own dark outline.
void Shape(cairo_t* cr, const Rgb& fill, double width = 1.3);
// An ellipse as a new sub-path of the current path.
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
}  // namespace figure

}  // namespace art
