#pragma once
// Times one section of a frame in milliseconds (Game->LogicTime, DrawTime, CodeTime): `current`
// holds the start time between Start and Calc and the elapsed time after Calc; `maximum` is held
// at displayLimit.

#include "core/tracking_var.h"

class TDebugVar : public TTrackingVar {
 public:
  int Start();
  int Calc();
};
