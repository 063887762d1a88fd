#pragma once
// The pictures alive: the drawing layer counts the pictures it makes (surfaces, and textures of the
// renderer) from when they are made until they are freed, and knows what holds each: a frame of an
// image, or the layer itself (the screen, the font, turned frames ...). A picture alive that
// nothing holds was lost without being freed. A texture counts until SDL has freed it (however SDL
// was asked to: by the layer, or by the close of its renderer), so one released by its image but
// never destroyed is alive, held by nothing, as much as one whose owner was lost. That needs SDL to
// allocate through the count's own functions; an SDL that refuses them (SDL_SetMemoryFunctions)
// lets no free be seen, and a texture then counts until the layer releases it or its renderer
// closes: a release that destroys nothing is not seen, and a lost texture SDL destroys behind the
// layer's back stays counted, held by nothing, until the renderer closes. A lost texture would
// never show as a leak: the renderer frees it when it closes. So the pictures are looked over when
// a screen is unloaded and before the renderer closes.

#include <functional>
#include <string>
#include <vector>

namespace platform {

struct PictureCount {
  int surfaces = 0;  // alive
  int textures = 0;  // alive, all of the open renderer (none once it is closed)
  int unheld = 0;    // of those, held by nothing
};
PictureCount CountPictures();
// One line for each picture alive that nothing holds, e.g. "a 256 x 256 texture made for an image
// frame"; empty when there is none.
std::vector<std::string> UnheldPictures();
// Looks for pictures that nothing holds: each one not found before is reported (see
// SetUnheldPictureReport) with `when` added to its line ("after the screen 'title' was
// unloaded"). Returns how many were found for the first time. Frees nothing.
int CheckPictures(const std::string& when);
// Takes each report of CheckPictures (and of the look made when the renderer closes); by default
// (nullptr) a report is written to the error output. Returns the report installed before.
using PictureReport = std::function<void(const std::string& line)>;
PictureReport SetUnheldPictureReport(PictureReport report);

}  // namespace platform
