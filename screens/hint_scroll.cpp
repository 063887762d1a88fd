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
