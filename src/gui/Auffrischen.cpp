#include "gui/Auffrischen.h"

#include <QApplication>
#include <QWidget>

namespace {

int tiefe = 0;

struct Tiefe {
    Tiefe() { ++tiefe; }
    ~Tiefe() { --tiefe; }
    Tiefe(const Tiefe&) = delete;
    Tiefe& operator=(const Tiefe&) = delete;
};

}  // namespace

void AnsichtenAuffrischen() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible()) continue;
        if (auto* a = dynamic_cast<KernAnsicht*>(w)) a->Auffrischen();
    }
}

void Benutzeraktion(const std::function<void()>& handler) {
    {
        Tiefe t;
        if (handler) handler();
    }
    AnsichtenAuffrischen();
}

bool BenutzeraktionLaeuft() { return tiefe > 0; }
