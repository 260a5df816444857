#pragma once
// The Qt windows of the linear-algebra tools: matrices, rotation matrices,
// linear dependence, vector sums, 3x3 systems, vector product.

#include <vector>

class DialogAnsicht;
class QWidget;

// The six windows, children of the main window, appended to d.
void WerkzeugAnsichtenAnlegen(QWidget* hauptfenster, std::vector<DialogAnsicht*>& d);
