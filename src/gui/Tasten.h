#pragma once
// How the bindings read the keys of a cell editor or text field: which key
// types a character the key filter must see, and how a filtered key ends up
// in the line edit.

#include <functional>
#include <optional>

class QEvent;
class QKeyEvent;
class QLineEdit;

enum class TastenArt {
    Zeichen,   // types a character: the key filter decides
    Aendernd,  // changes the text without typing (delete, paste, undo)
    Sonstige,  // moves, selects, copies, ends: not the filter's business
};

struct Taste {
    TastenArt Art = TastenArt::Sonstige;
    char Zeichen = 0;  // Latin-1; '?' for a key beyond it
};

Taste TasteDeuten(const QKeyEvent* e);

// A key for a line edit whose keys go through a key filter. True when the
// key is dealt with here (dropped, or typed as the filter changed it).
bool GefilterteTaste(QLineEdit* edit, QKeyEvent* e, const std::function<std::optional<char>(char)>& filter,
                     const std::function<bool()>& aendernErlaubt);

// Leaving a field for another window or a popup (a message box of the
// protocol, say) is no leaving: the user comes back and types on.
bool FokusNurWeg(const QEvent* e);
