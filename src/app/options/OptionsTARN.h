#pragma once
// The options of a Selmo site: one colour page, "Cable Coloring", whose "Reset Colors" button
// and colour frame are placeholders. The family's cable colours cannot be set here, so the
// dialog reads and writes no setting.

class COptionsTARN {
public:
    static constexpr const char* kTitle = "Cable Coloring";
    static constexpr const char* kResetColors = "Reset Colors";
    static constexpr const char* kPlaceholder =
        "Cable colours of this cabinet family cannot be changed; the RX diversity pairs are "
        "drawn in the default colours.";

    // "Reset Colors": there is nothing to reset. Reports whether anything was written, which
    // is never; kept so the dialog and its tests say so in one place.
    bool ResetColors() { return false; }
    // OK or Apply: nothing to store.
    bool Apply() { return false; }
};
