#pragma once
// Controls that change while the panel runs (the clock, Run, the actual voltages) repaint often.
// A control that leaves its background to what lies under it makes Qt repaint the dialog and the
// group boxes under it each time, and the style redraws a group box's frame from a picture at
// every paint. Where what lies under a control is one plain colour, the control fills its own
// background with exactly that colour instead: the pixels stay the same and its repaint stops at
// itself.
class QWidget;

namespace panel {

// Takes the colour under `control` from its parent's background and the siblings below it; fills
// the control with it when it is one colour all over the control, else leaves the background to
// the parent. Call again whenever what lies under the control may have changed.
void FillWithFaceBeneath(QWidget *control);

} // namespace panel
