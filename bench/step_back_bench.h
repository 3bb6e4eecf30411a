#pragma once

// Prints step_back_ms, step_back_ratio and step_into_ms.
void benchStepBack();
