#include "gui/Beschleuniger.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QVariant>

namespace {

constexpr const char* Eigenschaft = "Beschleuniger";

// The accelerator a text marks with "&" ("&&" is a plain ampersand).
QChar Markiert(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i)
        if (text[i] == QLatin1Char('&')) {
            if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toUpper();
            ++i;
        }
    return {};
}

// text with "&" before the first occurrence of taste, in any case.
QString Einsetzen(const QString& text, QChar taste) {
    if (!Markiert(text).isNull()) return text;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i].toUpper() == taste) {
            QString t = text;
            t.insert(i, QLatin1Char('&'));
            return t;
        }
    return text;
}

QChar Waehlen(const QString& text, const QSet<QChar>& belegt) {
    const auto frei = [&](QChar c) { return c.isLetterOrNumber() && !belegt.contains(c.toUpper()); };
    for (qsizetype i = 0; i < text.size(); ++i)
        if ((i == 0 || !text[i - 1].isLetterOrNumber()) && frei(text[i])) return text[i].toUpper();
    for (QChar c : text)
        if (frei(c)) return c.toUpper();
    return {};
}

void Vergeben(const QList<QAction*>& aktionen) {
    QSet<QChar> belegt;
    for (const QAction* a : aktionen) {
        const QChar c = Markiert(a->text());
        if (!c.isNull()) belegt.insert(c);
    }
    for (QAction* a : aktionen) {
        if (a->isSeparator()) continue;
        if (Markiert(a->text()).isNull()) {
            const QChar c = Waehlen(a->text(), belegt);
            if (!c.isNull()) {
                belegt.insert(c);
                a->setProperty(Eigenschaft, QVariant::fromValue(c));
                a->setText(Einsetzen(a->text(), c));
            }
        }
        if (a->menu()) Vergeben(a->menu()->actions());
    }
}

}  // namespace

void BeschleunigerVergeben(QMenuBar* leiste) { Vergeben(leiste->actions()); }

QString MitBeschleuniger(const QAction* a, const QString& text) {
    const QVariant v = a->property(Eigenschaft);
    return v.isValid() ? Einsetzen(text, v.value<QChar>()) : text;
}

QString OhneBeschleuniger(const QString& text) {
    QString t;
    t.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        t += text[i];
    }
    return t;
}
