// The simulated process on the board: choosing it and printing its state.
#include <string>

#include "engine/board/plant.h"
#include "simulator.h"

namespace tessaro::sim {

void PlantCommand(Simulator& s, const Line& l) {
  ExpectWords(l, 2);
  if (s.lab().SetPlant(l[1])) return;
  std::string names;
  for (std::string_view name : PlantNames())
    names += (names.empty() ? "" : ", ") + std::string(name);
  throw ScriptError("no plant '" + l[1] + "' (" + names + ")");
}

void PrintPlant(Simulator& s, const Line& l) {
  ExpectWords(l, 2);
  s.Print(s.lab().plant().StateText());
}

}  // namespace tessaro::sim
