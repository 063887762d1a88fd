#pragma once
// The props of the course backgrounds: each drawer paints one thing at a given place on the
// 800 x 600 scene, in the light of the scene's hour (its Mood). Unless a drawer says otherwise,
// (x, base) is where the thing stands on the ground and sizes are in scene pixels.

#include <cairo.h>

#include <vector>

#include "tools/art/canvas.h"

namespace art {

// The light of a background's variant: sky, grass, the tint laid over the finished scene, the
// season, whether the scene is drawn mirrored, and the sun.
struct Mood {
  Rgb sky_top, sky_low, grass, tint;  // tint: overlay laid over everything (alpha = strength)
  bool autumn = false;
  bool mirror = false;
  double sun_x = 0, sun_y = 0;
  Rgb sun;
};

// A tree colour for the hour: greens in summer, reds and golds in autumn.
Rgb Foliage(const Mood& m, Rng& rng);

// nature (scenery_nature.cpp)
void Pine(cairo_t* cr, double x, double base, double h, const Rgb& c);
void Oak(cairo_t* cr, double x, double base, double r, const Rgb& c, Rng& rng);
void Palm(cairo_t* cr, double x, double base, double h, const Rgb& c);
void Cactus(cairo_t* cr, double x, double base, double h);
void Hills(cairo_t* cr, double y, double amp, const Rgb& c, Rng& rng);
void Sea(cairo_t* cr, double top, double bottom);
void Cherry(cairo_t* cr, double x, double base, double r, Rng& rng, bool autumn);
void Peaks(cairo_t* cr, double base, Rng& rng, const Mood& m);
void Vines(cairo_t* cr, Rng& rng, const Mood& m);
void BroadLeaf(cairo_t* cr, double x, double y, double angle, double len, const Rgb& c);
void Waterfall(cairo_t* cr, double x, double base, double w, double h, Rng& rng, const Mood& m);
void Canopy(cairo_t* cr, double base, Rng& rng, const Mood& m);
void Gorse(cairo_t* cr, double x, double y, double r, Rng& rng, bool autumn);
void MarramGrass(cairo_t* cr, double x, double y, double h, Rng& rng, const Rgb& c);
void DuneBank(cairo_t* cr, double top, Rng& rng, const Mood& m);
void Mesa(cairo_t* cr, double x, double base, double w, double h, const Rgb& c);
void Spire(cairo_t* cr, double x, double base, double w, double h, const Rgb& c);
void Scrub(cairo_t* cr, double x, double y, double r, Rng& rng);
void Saguaro(cairo_t* cr, double x, double base, double h);
void Fern(cairo_t* cr, double x, double base, double h, const Rgb& c, Rng& rng);
void MossyLog(cairo_t* cr, double x, double y, double len, double r, const Mood& m);
void Mushroom(cairo_t* cr, double x, double base, double s);

// buildings and things people made (scenery_buildings.cpp)
void Clubhouse(cairo_t* cr, double x, double base);
void Pagoda(cairo_t* cr, double x, double base);
void Torii(cairo_t* cr, double x, double base, double h);
void StoneLantern(cairo_t* cr, double x, double base, double h, bool lit);
void StoneWall(cairo_t* cr, double y, Rng& rng);
void Lighthouse(cairo_t* cr, double x, double base, double h);
void StoneHouse(cairo_t* cr, double x, double base, double w);
void Sailboat(cairo_t* cr, double x, double water, double s);
void Umbrella(cairo_t* cr, double x, double base, double s, const Rgb& c);
void BeachHut(cairo_t* cr, double x, double base, const Rgb& c);
void CitySkyline(cairo_t* cr, double base, Rng& rng, const Mood& m);
void LampPost(cairo_t* cr, double x, double base, double h, bool lit);
void Railing(cairo_t* cr, double x0, double x1, double y, double h);
void Hedge(cairo_t* cr, double x, double y, double w, double h, const Rgb& c);
void ParkPath(cairo_t* cr, const std::vector<double>& xy, double width);
void ParkBench(cairo_t* cr, double x, double base, double s);
void FlowerBed(cairo_t* cr, double cx, double cy, double rx, Rng& rng, bool autumn);
void Bandstand(cairo_t* cr, double x, double base);
void Blocks(cairo_t* cr, double base, Rng& rng, const Mood& m);
void FarGreen(cairo_t* cr, double x, double base, const Mood& m);

}  // namespace art
