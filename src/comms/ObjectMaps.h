#pragma once
// How the BTS names things: object codes to object classes, state bytes to state numbers, and
// the texts of the state numbers.

#include <string>

namespace objects {

constexpr int kClassMarker = 0;
constexpr int kClassBcf = 1;
constexpr int kClassSite = 2;
constexpr int kClassSector = 3;
constexpr int kClassTrx = 4;
constexpr int kClassTransmission = 5;
constexpr int kClassPaired = 11;
constexpr int kClassRtc = 12;
constexpr int kClassDdu = 13;
constexpr int kClassBtsReported = 21;

constexpr int kStateSupervisory = 0;
constexpr int kStateBackgroundLoading = 10;

// The object class of a code in a message.
int ClassOfCode(int code);
// The state number of a state byte; false when the class has no state. `displayStatus` is set
// when the state byte decides it directly (-1 otherwise).
bool MapState(int objectClass, int stateByte, int& state, int& displayStatus);
// The display status that a state number gives; -1 when it leaves it as it is.
int DisplayStatusOfState(int state);
std::string StateText(int state);

} // namespace objects
