#include "app/views/PictureZoom.h"

#include <algorithm>
#include <cmath>

namespace {

// Scales this close count as the same: stepping in and out again must end where it began,
// and a step that the limit cuts short to nothing is no step.
constexpr double kSame = 1e-6;

} // namespace

double CPictureZoom::Scale(double fit) const {
    return Fitted() ? fit : m_scale;
}

bool CPictureZoom::CanZoomIn(double fit) const {
    return Scale(fit) < kMaxScale - kSame;
}

bool CPictureZoom::CanZoomOut(double fit) const {
    return Scale(fit) > kMinScale + kSame;
}

bool CPictureZoom::StepTo(double scale) {
    const double before = m_scale;
    m_scale = std::clamp(scale, kMinScale, kMaxScale);
    return before <= 0 || std::abs(m_scale - before) > kSame;
}

bool CPictureZoom::ZoomIn(double fit) {
    return CanZoomIn(fit) && StepTo(Scale(fit) * kStep);
}

bool CPictureZoom::ZoomOut(double fit) {
    return CanZoomOut(fit) && StepTo(Scale(fit) / kStep);
}

bool CPictureZoom::Fit() {
    m_wheelRest = 0;
    if (Fitted()) {
        return false;
    }
    m_scale = 0;
    return true;
}

bool CPictureZoom::Wheel(int angleDelta, double fit) {
    if ((angleDelta > 0 && m_wheelRest < 0) || (angleDelta < 0 && m_wheelRest > 0)) {
        m_wheelRest = 0;
    }
    m_wheelRest += angleDelta;
    bool changed = false;
    while (m_wheelRest >= kNotch) {
        m_wheelRest -= kNotch;
        changed = ZoomIn(fit) || changed;
    }
    while (m_wheelRest <= -kNotch) {
        m_wheelRest += kNotch;
        changed = ZoomOut(fit) || changed;
    }
    return changed;
}
