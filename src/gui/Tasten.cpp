#include "gui/Tasten.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPointer>

#include "forms/Eingabeprotokoll.h"
#include "gui/Auffrischen.h"

Taste TasteDeuten(const QKeyEvent* e) {
    using KS = QKeySequence;
    for (KS::StandardKey k : {KS::Paste, KS::Cut, KS::Undo, KS::Redo, KS::Delete, KS::DeleteEndOfWord,
                              KS::DeleteStartOfWord, KS::DeleteEndOfLine, KS::DeleteCompleteLine})
        if (e->matches(k)) return {TastenArt::Aendernd, 0};
    if (e->key() == Qt::Key_Delete) return {TastenArt::Aendernd, 0};
    if (e->key() == Qt::Key_Backspace && !(e->modifiers() & ~Qt::KeypadModifier & ~Qt::ShiftModifier))
        return {TastenArt::Zeichen, TasteBackspace};
    if (e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return {};
    const QString t = e->text();
    if (t.isEmpty() || !t.at(0).isPrint()) return {};
    const char16_t u = t.at(0).unicode();
    // The filters see the key's Latin-1 code, as the program's character set
    // has it (ä, ß, °); a key beyond it comes as '?', as to an ANSI program.
    // A filter that passes such a key lets the editor type the real one.
    return {TastenArt::Zeichen, u < 256 ? static_cast<char>(u) : '?'};
}

bool GefilterteTaste(QLineEdit* edit, QKeyEvent* e, const std::function<std::optional<char>(char)>& filter,
                     const std::function<bool()>& aendernErlaubt) {
    if (!filter) return false;
    const Taste t = TasteDeuten(e);
    if (t.Art == TastenArt::Sonstige) return false;
    QPointer<QLineEdit> wache(edit);
    if (t.Art == TastenArt::Aendernd) {
        bool erlaubt = true;
        if (aendernErlaubt) Benutzeraktion([&] { erlaubt = aendernErlaubt(); });
        return !erlaubt || !wache;
    }
    std::optional<char> z;
    Benutzeraktion([&] { z = filter(t.Zeichen); });
    if (!z || !wache) return true;
    if (*z == t.Zeichen) return false;  // the editor types the key itself
    if (*z == TasteBackspace)
        wache->backspace();
    else
        wache->insert(QString(QChar(static_cast<char16_t>(static_cast<unsigned char>(*z)))));
    return true;
}

bool FokusNurWeg(const QEvent* e) {
    const Qt::FocusReason r = static_cast<const QFocusEvent*>(e)->reason();
    return r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason;
}
