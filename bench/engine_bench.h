#pragma once

// Prints engine_run_us and engine_ratio.
void benchEngine();
