#pragma once
// One career statistic: a number and the name of the player who last changed it.

#include <string>

class TStat {
 public:
  int Value = 0;
  std::string Name;
  double FloatValue = 0;
  std::string CourseName;  // the course on which the record was set
  int DataType = 0;        // how FormatValue writes it (not saved); 5: a distance

  // The statistic as text by DataType; 5: FloatValue with 2 places and "yds" (Region 0) or "m".
  std::string FormatValue() const;

  // Adds n and stamps the statistic with the current player's name.
  int Increase(int n);
};
