#include "screens/hint_scroll.h"

#include "core/game.h"
#include "core/globals.h"
#include "platform/files.h"
#include "util/files.h"

int THintScroll::LoadTextData() {
  auto stream = ccLoadFile(Game->TextPath + "hints.txt");
  HintText.clear();
  while (stream && !stream->Eof()) HintText += stream->ReadLine() + "\n";
  return 0;
}

#include "platform/graphics.h"
#include "ui/mouse_pointer.h"

int THintScroll::LoadSpecial(int n, int) {
  Number = n;
  return 0;
}

int THintScroll::Show(int) {
  Active = 1;
  return 0;
}

int THintScroll::Logic() {
  if (!Active || !Game || !Game->Mouse || Game->Mouse->GetMh(1) == 0) return 0;
  Active = 0;
  return 1;
}

int THintScroll::Draw() {
  if (!Active) return 0;
  platform::SetColor(255, 255, 255);
  platform::DrawText("hint " + std::to_string(Number), 8, 56);
  return 0;
}

int THintScroll::Kill() {
  Active = 0;
  return 0;
}
