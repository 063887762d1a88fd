#include "content/loading.h"

TLoadingBallPlace LoadingBallPlace(int current_step, float steps, int finished) {
  TLoadingBallPlace place;
  const float d = steps > 0 ? LOADING_TRACK_LENGTH * static_cast<float>(current_step) / steps : 0.0f;
  const float remaining = LOADING_TRACK_LENGTH - d;
  // Over the last 5 pixels of the track the ball sinks into the hole.
  const float sink = remaining >= 5 ? 0.0f : 5 - remaining;
  place.visible = finished == 0;
  place.x = LOADING_BALL_START_X + d;
  place.y = LOADING_BALL_Y + sink;
  return place;
}
