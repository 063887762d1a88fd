#include "util/globals.h"

#include "util/text_draw.h"

namespace {
float (*const kDefaultCalcAnimLength)(int) = [](int ms) { return static_cast<float>(ms) / 5.0f; };
const float kDefaultDelta = 1.0f;
}  // namespace

int ScreenWidth = 800;
int ScreenHeight = 600;

int ccGraphicalErrors = 1;
int ccWriteErrors = 1;
std::string ccErrorPath;
int DebugInt = 0;

float ccShadowTextDepthX = 1.0f;
float ccShadowTextDepthY = 1.0f;
float ccShadowTextAlpha = 0.5f;
float ccTextAlpha = 1.0f;

std::shared_ptr<ccImageFont> ccCurrentImageFont;

int ccFlipSync = 1;

std::array<int, 256> Keys{};
std::array<int, 256> KeyStates{};
std::array<int, 256> charQueue{};
int charPut = 0;
int charGet = 0;
int ccPolledInputState = 0;
int MouseVisible = 0;

ccMouseState ccMouse;
ccPolledInput ccPolled;
void (*ccFlushMouseHook)() = nullptr;
void (*ccModalLoopHook)() = nullptr;
void (*ccFatalErrorHook)() = nullptr;

float (*ccCalcAnimLengthHook)(int ms) = kDefaultCalcAnimLength;
const float* ccDeltaSource = &kDefaultDelta;
