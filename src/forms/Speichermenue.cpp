#include "forms/Speichermenue.h"

namespace {

TMenuItem Gruppenmenue(const char* Caption, const char* Vorsatz, int Anzahl) {
    TMenuItem g;
    g.Caption = Caption;
    for (int k = 1; k <= Anzahl; ++k) {
        TMenuItem m;
        m.Caption = Vorsatz + std::to_string(k);
        g.Items.push_back(std::move(m));
    }
    return g;
}

TMenuItem Trennlinie() {
    TMenuItem m;
    m.Caption = "-";
    return m;
}

}  // namespace

TSpeicherMenue::TSpeicherMenue(const TSpeicherMenueTexte& T) {
    Menue.Items = {Gruppenmenue(T.SpalteKopieren, T.In, 4),
                   Gruppenmenue(T.SpalteEinfuegen, T.Aus, 4),
                   Trennlinie(),
                   Gruppenmenue(T.MatrixKopieren, "in Matrix-Speicher ", 3),
                   Gruppenmenue(T.MatrixEinfuegen, "aus Matrix-Speicher ", 3),
                   Trennlinie(),
                   {}};
    Punkt(BerechnEinfuegen).Caption = BerechnEinfuegenText;
}

