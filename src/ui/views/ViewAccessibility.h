#pragma once
// Assistive technology sees the units of the cabinet picture and the buttons of the view bar
// as children of their windows, although both are drawn, not made of widgets.

// Installs the accessibility factory once; called by the windows that need it.
void RegisterViewAccessibility();
