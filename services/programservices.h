#pragma once
// What the program installs behind the model's entry points at start-up,
// before any return is opened: the validation engine.

void installProgramServices();
