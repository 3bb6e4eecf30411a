#pragma once

// Prints startup_ms and startup_ratio. Needs a QApplication.
void benchStartup();
