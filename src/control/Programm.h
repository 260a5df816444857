#pragma once
// What the program body does before the message loop: every global to its
// start value, every window's state created in the program's fixed order
// (main window first), then the main window's first activation. A test that
// calls it starts from the program's real start scene.

void ProgrammStart();

// The same without the first activation: every global reset and every
// window created. The Qt front runs the activation once its main window has
// its real size; tests use it to look at the scene before the activation.
void FensterErzeugen();
