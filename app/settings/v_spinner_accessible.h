#pragma once

namespace horavox {

// Makes assistive technology see every VSpinner as a scroll bar with two
// arrow buttons; later calls do nothing.
void installVSpinnerAccessibility();

} // namespace horavox
