#pragma once

// Prints pacing_run_ms and pacing_ratio. Needs a QApplication.
void benchPacing();
