#pragma once
// Fills the resource slots, builds the enemy pools and loads the two ship templates, one short
// step at a time, so the loading screen can show its progress between steps.

constexpr int load_step_count = 74;

extern int load_step;         // the next step to run; load_step_count when everything is loaded
extern float load_progress;  // steps run so far

// Runs the next step, if any is left, and returns the loaded fraction: 0 to exactly 1.0.
float load_resources_step();
