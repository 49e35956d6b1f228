#pragma once

namespace quorvane {

// Tells screen readers what a warning is: the box an alert named by its
// title, its message a label named by the words as written. Safe to call
// again; the first call does it.
void MakeWarningsHeard();

}  // namespace quorvane
