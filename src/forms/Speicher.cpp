#include "forms/Speicher.h"

void SpeicherNullen() {
    VektorSpeicher[0] = TSpeicherVektor{};
    for (int i = 1; i <= 4; ++i) VektorSpeicher[i] = TSpeicherVektor{"0", "0", "0"};
    for (auto& m : MatrixSpeicher) m = TMatrix33{};
}
