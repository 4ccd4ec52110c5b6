// The measures of the trackbar and up-down controls at 96 dpi (Pocket PC), turned into screen
// pixels with scaledForScreen, in one place so that hit-testing and drawing agree, and how fast
// a held stylus repeats.
#pragma once

namespace ce::gwes::range_metrics {

// Trackbar, horizontal (a vertical one is the same turned): the thumb is thumbWidth along the
// channel and thumbLength across it; its centre runs from channelMargin to the far end less
// channelMargin. Tick marks take tickSpace beside the thumb on the sides that show them.
constexpr int thumbWidth = 10;
constexpr int thumbLength = 18;
constexpr int channelMargin = 8;
constexpr int channelThickness = 4;
constexpr int tickSpace = 4;
constexpr int edgeGap = 2; // between the control's edge (or tick marks) and the thumb

// Up-down: the width it takes beside its buddy (UDS_ALIGNLEFT/UDS_ALIGNRIGHT) when it was made
// without one of its own.
constexpr int upDownWidth = 13;

// Holding the stylus on an up-down arrow or beside a trackbar's thumb repeats the step after
// firstRepeatMs, then every repeatMs.
constexpr unsigned firstRepeatMs = 500;
constexpr unsigned repeatMs = 100;

} // namespace ce::gwes::range_metrics
