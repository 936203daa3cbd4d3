#pragma once
// How far the cabinet picture is zoomed: fitted to its pane (following the pane as it is
// resized) until the user zooms, then held at the chosen scale until Fit. Keys and wheel
// notches step by a fixed factor; a touchpad's fractions of a notch add up to whole ones.

class CPictureZoom {
public:
    static constexpr double kMinScale = 0.5;
    static constexpr double kMaxScale = 6.0;
    static constexpr double kStep = 1.25;
    // A wheel notch, in the eighths of a degree a wheel event counts.
    static constexpr int kNotch = 120;

    // The scale to draw at, given the one that fits the pane.
    double Scale(double fit) const;
    bool Fitted() const { return m_scale <= 0; }

    bool CanZoomIn(double fit) const;
    bool CanZoomOut(double fit) const;
    // Each answers whether the scale changed.
    bool ZoomIn(double fit);
    bool ZoomOut(double fit);
    bool Fit();
    // Notches up zoom in; a change of direction drops what was left of the other one.
    bool Wheel(int angleDelta, double fit);

private:
    bool StepTo(double scale);

    // 0 while fitted.
    double m_scale = 0;
    int m_wheelRest = 0;
};
