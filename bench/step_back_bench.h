#pragma once

// Prints step_back_ms and step_back_ratio.
void benchStepBack();
