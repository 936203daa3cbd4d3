#pragma once
// Keeps the antenna records of the candidate in step with the masthead amplifiers it holds: an
// MHA's type decides the antenna type, and an attenuation that a high gain MHA needs is given a
// working value when none is set.

class CSiteKODA;

void ApplyAntennaTypeRule(CSiteKODA& site);
