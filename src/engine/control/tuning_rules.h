// Controller settings from an identified process: named rules that give gain, integral
// time and derivative time of the ideal PID form, and their conversion to what the PID
// faceplate's boxes take.
//
// The trainer's controller is the ideal (non-interacting) form with the derivative on the
// measurement, one cycle a second:
//   out = 100/PB x e + sum over cycles of (100/PB x e) / Ti - 100/PB x Td x dPv/dt
// with e = Sp - Pv for action "R" and Pv - Sp for "D". So the gain Kc of the textbooks,
// in % of output per % of process value, is 100/PB, and Ti and Td are in seconds as they
// stand. A process whose value rises with the output needs action "R".
#pragma once

#include <string>
#include <vector>

#include "engine/control/fopdt.h"
#include "engine/core/texts.h"

namespace tessaro {

// A rule's settings in the ideal form. `ti` 0 means no integral action.
struct IdealPid {
  double kc = 0;  // % per %
  double ti = 0;  // s
  double td = 0;  // s
};

// What the faceplate's boxes would hold: PB %, I-tijd s, D-tijd s (whole numbers within the
// boxes' ranges) and the action.
struct FaceplateSettings {
  double pb = 0;  // exact: 100 / Kc
  double ti = 0;
  double td = 0;
  int pb_box = 0;
  int ti_box = 0;
  int td_box = 0;
  bool direct = false;  // "D"; "R" otherwise
  // What had to give to fit the boxes, one phrase a box ("I-tijd 150 -> 120"); none when
  // nothing did.
  std::vector<Phrase> limited;
};

struct Proposal {
  std::string name;  // "simc-pi", as the sim names it
  std::string title;  // "SIMC PI (tc = 6 s)"
  Phrase aim{TextId::kWord};  // one line on what the rule aims for
  IdealPid ideal;
  FaceplateSettings boxes;
};

// Converts ideal settings for a process with gain `process_gain` (% per %) into the boxes of
// PID controller n (1..3).
FaceplateSettings ToFaceplate(const IdealPid& pid, double process_gain, int n);

// The rules on a first-order-plus-dead-time model: Ziegler-Nichols open loop (PI, PID),
// Cohen-Coon (PI, PID), SIMC PI and IMC PID with closed-loop time `tc` seconds.
IdealPid ZieglerNicholsStepPi(const FopdtModel& m);
IdealPid ZieglerNicholsStepPid(const FopdtModel& m);
IdealPid CohenCoonPi(const FopdtModel& m);
IdealPid CohenCoonPid(const FopdtModel& m);
IdealPid SimcPi(const FopdtModel& m, double tc);
IdealPid ImcPid(const FopdtModel& m, double tc);

// The rules on the ultimate gain `ku` (% per %) and period `pu` (s) of a relay test:
// Ziegler-Nichols closed loop and Tyreus-Luyben, PI and PID.
IdealPid ZieglerNicholsUltimatePi(double ku, double pu);
IdealPid ZieglerNicholsUltimatePid(double ku, double pu);
IdealPid TyreusLuybenPi(double ku, double pu);
IdealPid TyreusLuybenPid(double ku, double pu);

// Every proposal for controller n, in the order the assistant shows them.
std::vector<Proposal> StepProposals(const FopdtModel& m, double tc, int n);
std::vector<Proposal> RelayProposals(double ku, double pu, double process_sign, int n);

}  // namespace tessaro
