#pragma once
// The settings of one antenna of an Orvik configuration: which combiner port feeds it, the
// masthead amplifier type it carries and the cable attenuation to it.

#include <string>

class CAntenna {
public:
    static constexpr int kAttenuationNotGiven = 9999;

    int ConnectedCombiner() const { return m_connectedCombiner; }
    void SetConnectedCombiner(int portId) { m_connectedCombiner = portId; }

    // 1 "No MHA", 2 low gain, 3 high gain, 7 high gain with bypass; 4, 5, 6, 8 the same with
    // VSWR monitoring. Plain reading folds the VSWR variants onto their base type.
    int MhaType(bool plain = false) const;
    void SetMhaType(int type);
    bool VswrMonitoring() const;
    static const char* MhaTypeText(int type);

    int DualBand() const { return m_dualBand; }
    void SetDualBand(int value) { m_dualBand = value; }
    // Hundredths of a dB; 9999 when not given.
    int Attenuation() const { return m_attenuation; }
    void SetAttenuation(int value) { m_attenuation = value; }
    // "+2.50", "High gain" when not given.
    std::string AttenuationText() const;
    static std::string FormatAttenuation(int value);

    int SecondConnection() const { return m_secondConnection; }
    void SetSecondConnection(int value) { m_secondConnection = value; }
    int CositeMha() const { return m_cositeMha; }
    void SetCositeMha(int value);

    bool operator==(const CAntenna&) const = default;

private:
    int m_connectedCombiner = 0;
    int m_mhaType = 1;
    int m_dualBand = 0;
    int m_attenuation = 31;
    int m_secondConnection = 0;
    int m_cositeMha = 0;
};
