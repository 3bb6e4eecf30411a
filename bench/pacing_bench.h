#pragma once

// Prints pacing_run_ms, pacing_ratio and compare_pacing_ratio. Needs a QApplication.
void benchPacing();
